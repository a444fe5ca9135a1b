// The reader as its own main() starts it, in a program folder of its own, driven by the scenario.
#include "bench/bench_subject.h"
#include "bench/scenario.h"

#include "application/application.h"
#include "html_view/web_browser.h"
#include "main_window/Unit1.h"
#include "ui_Unit1.h"

#include <QFile>
#include <QWindow>
#include <QChildEvent>
#include "bench/process_probe.h"
#include <cstdio>
class Tracer : public QObject {
public:
    QWidget *form;
    bool eventFilter(QObject *o, QEvent *e) override {
        const int t = e->type();
        if (t == QEvent::Expose || t == QEvent::WinIdChange || t==QEvent::PlatformSurface || t==QEvent::Show) {
            if (o == form || o == form->windowHandle())
                std::fprintf(stderr, "TRACE %.1f %s type=%d exposed=%d\n", msSinceProcessStart(), o->metaObject()->className(), t, form->windowHandle() ? form->windowHandle()->isExposed() : -1);
        }
        if (t == QEvent::ChildAdded) {
            QObject *c = static_cast<QChildEvent*>(e)->child();
            if (c->inherits("QWebEngineView"))
                std::fprintf(stderr, "TRACE %.1f view added to %s\n", msSinceProcessStart(), qPrintable(o->objectName()));
        }
        return false;
    }
};
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

namespace {
class ReaderSubject : public BenchSubject {
public:
    explicit ReaderSubject(TForm1 *form) : m_form(form)
    {
        connect(form->ui()->web1, &TWebBrowser::OnDocumentComplete, this,
                [this](const OleVariant &, const QString &url) { emit headlineCompleted(url); });
        connect(form->ui()->web2, &TWebBrowser::OnDocumentComplete, this,
                [this](const OleVariant &, const QString &url) { emit articleCompleted(url); });
    }

    QWidget *window() const override { return m_form; }
    QWebEngineView *headlineView() const override { return m_form->ui()->web1->findChild<QWebEngineView *>(); }
    void showCategory(int n) override
    {
        m_form->findChild<TsuiRadioButton *>(QStringLiteral("suiRadioButton%1").arg(n))->setChecked(true);
    }

private:
    TForm1 *m_form = nullptr;
};
} // namespace

int main(int argc, char *argv[])
{
    std::fprintf(stderr, "TRACE %.1f main\n", msSinceProcessStart());
    TApplication application(argc, argv);
    std::fprintf(stderr, "TRACE %.1f app\n", msSinceProcessStart());
    Application->SetTitle(QStringLiteral("Lumora"));
    const Scenario::Options options = Scenario::parse(QCoreApplication::arguments());

    QTemporaryDir programDir;
    QFile config(programDir.filePath(QStringLiteral("config.ini")));
    if (!programDir.isValid() || !config.open(QIODevice::WriteOnly) ||
        config.write("[option]\r\nnewsurl=" + options.base.toUtf8() + "\r\n") < 0)
        qFatal("cannot prepare the program folder");
    config.close();
    Application->SetExeNameForTesting(programDir.filePath(QStringLiteral("lumora")));

    std::fprintf(stderr, "TRACE %.1f before CreateForm\n", msSinceProcessStart());
    ReaderSubject subject(Application->CreateForm<TForm1>());
    std::fprintf(stderr, "TRACE %.1f after CreateForm\n", msSinceProcessStart());
    Tracer tracer; tracer.form = subject.window(); qApp->installEventFilter(&tracer);
    QTimer::singleShot(0, [] { std::fprintf(stderr, "TRACE %.1f loop running\n", msSinceProcessStart()); });
    Scenario scenario(subject, options);
    return Application->Run();
}
