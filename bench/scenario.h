#pragma once
// The work both programs do and the figures they print, one "name value" line each on stdout:
// shown and panes (ms since the process started), pss_start, then for each iteration a category
// switch and an article opened from a new-window link (click and article, ms each), pss_20 after
// the first 20 iterations and pss_end after the last (MiB, the process with all its descendants);
// reclick when a new-window link had to be clicked again, error and exit status 1 on a failure.
#include <QObject>
#include <QPoint>
#include <QString>
#include <QVariant>
#include <memory>

class BenchSubject;
class FirstFrameProbe;
class QEventLoop;

class Scenario : public QObject {
public:
    struct Options {
        QString base; // the news server, ending in '/'
        int iterations = 200;
    };
    // Parses --base URL and --iterations N; exits with a message when they are unusable.
    static Options parse(const QStringList &arguments);
    // The page name of category n (1 to 11) on the news server.
    static QString headlinePage(int n);

    Scenario(BenchSubject &subject, Options options);
    ~Scenario() override;

private:
    struct Completion {
        QString url;
        double at = -1;
    };
    struct Link {
        QPoint position;
        QString url;
    };

    void onHeadline(const QString &url);
    void onArticle(const QString &url);
    void run();
    bool waitFor(const Completion &completion, const QString &url, double since, int timeoutMs);
    QVariant evaluate(const QString &script);
    Link findLink(int index);
    void waitUntilDrawn();
    void settle(int ms);
    void waitForFrames();
    void reportMemory(const char *name);
    [[noreturn]] void fail(const QString &what);

    BenchSubject &m_subject;
    Options m_options;
    std::unique_ptr<FirstFrameProbe> m_shownProbe;
    Completion m_headline;
    Completion m_article;
    bool m_started = false;
    QEventLoop *m_loop = nullptr;
};
