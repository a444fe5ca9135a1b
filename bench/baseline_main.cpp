// The bare engine window, driven by the same scenario as the reader.
#include "bench/bare_window.h"
#include "bench/bench_subject.h"
#include "bench/scenario.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEngineView>

namespace {
// The reader's placeholder page, byte for byte.
constexpr char kPlaceholder[] = "<title>vorn</title><body bgcolor=\"#1453BA\">";

class BaselineSubject : public BenchSubject {
public:
    BaselineSubject(BareWindow &window, QString base) : m_window(window), m_base(std::move(base)) {
        connect(window.headlines(), &QWebEngineView::loadFinished, this,
                [this] { emit headlineCompleted(m_window.headlines()->url().toString()); });
        connect(window.articles(), &QWebEngineView::loadFinished, this,
                [this] { emit articleCompleted(m_window.articles()->url().toString()); });
    }

    QWidget *window() const override { return &m_window; }
    QWebEngineView *headlineView() const override { return m_window.headlines(); }
    void showCategory(int n) override {
        m_window.headlines()->load(QUrl(m_base + Scenario::headlinePage(n)));
    }

private:
    BareWindow &m_window;
    QString m_base;
};
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    const Scenario::Options options = Scenario::parse(QCoreApplication::arguments());

    QTemporaryDir folder;
    QFile page(folder.filePath(QStringLiteral("temp.htm")));
    if (!folder.isValid() || !page.open(QIODevice::WriteOnly) || page.write(kPlaceholder) < 0)
        qFatal("cannot write the placeholder page");
    page.close();

    BareWindow window(QUrl::fromLocalFile(page.fileName()));
    BaselineSubject subject(window, options.base);
    Scenario scenario(subject, options);
    window.show();
    return application.exec();
}
