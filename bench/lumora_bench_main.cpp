// The reader as its own main() starts it, in a program folder of its own, driven by the scenario.
#include "bench/bench_subject.h"
#include "bench/scenario.h"

#include "application/application.h"
#include "html_view/web_browser.h"
#include "main_window/Unit1.h"
#include "ui_Unit1.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWebEngineView>

namespace {
class ReaderSubject : public BenchSubject {
public:
    explicit ReaderSubject(TForm1 *form) : m_form(form) {
        connect(form->ui()->web1, &TWebBrowser::OnDocumentComplete, this,
                [this](const OleVariant &, const QString &url) { emit headlineCompleted(url); });
        connect(form->ui()->web2, &TWebBrowser::OnDocumentComplete, this,
                [this](const OleVariant &, const QString &url) { emit articleCompleted(url); });
    }

    QWidget *window() const override { return m_form; }
    QWebEngineView *headlineView() const override {
        return m_form->ui()->web1->findChild<QWebEngineView *>();
    }
    void showCategory(int n) override {
        m_form->findChild<TsuiRadioButton *>(QStringLiteral("suiRadioButton%1").arg(n))->setChecked(true);
    }

private:
    TForm1 *m_form = nullptr;
};
} // namespace

int main(int argc, char *argv[]) {
    TApplication application(argc, argv);
    Application->SetTitle(QStringLiteral("Lumora"));
    const Scenario::Options options = Scenario::parse(QCoreApplication::arguments());

    QTemporaryDir programDir;
    QFile config(programDir.filePath(QStringLiteral("config.ini")));
    if (!programDir.isValid() || !config.open(QIODevice::WriteOnly) ||
        config.write("[option]\r\nnewsurl=" + options.base.toUtf8() + "\r\n") < 0)
        qFatal("cannot prepare the program folder");
    config.close();
    Application->SetExeNameForTesting(programDir.filePath(QStringLiteral("lumora")));

    ReaderSubject subject(Application->CreateForm<TForm1>());
    Scenario scenario(subject, options);
    return Application->Run();
}
