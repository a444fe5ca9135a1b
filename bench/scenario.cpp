#include "bench/scenario.h"

#include "bench/bench_subject.h"
#include "bench/first_frame.h"
#include "bench/process_probe.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <unistd.h>

namespace {
// The sample site's headline pages, in the order of the reader's categories.
constexpr const char *kHeadlinePages[] = {"news.htm",   "sports.htm", "yule.htm",   "games.htm",
                                          "tech.htm",   "edu.htm",    "jingji.htm", "house.htm",
                                          "travel.htm", "auto.htm",   "lady.htm"};
constexpr int kCategories = int(std::size(kHeadlinePages));
constexpr int kLinksPerPage = 15;
constexpr int kTimeoutMs = 20000;
// A click the page dropped is repeated after this long without the article; they are counted.
constexpr int kReclickMs = 3000;
constexpr int kClicks = 3;
constexpr int kSettleMs = 1000;
constexpr int kPollMs = 4;
constexpr int kEarlyIterations = 20;

void report(const char *name, double value) {
    std::printf("%s %.1f\n", name, value);
    std::fflush(stdout);
}
} // namespace

Scenario::Options Scenario::parse(const QStringList &arguments) {
    Options options;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--base"))
            options.base = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--iterations"))
            options.iterations = arguments.at(i + 1).toInt();
    }
    if (!options.base.startsWith(QLatin1String("http://")) || !options.base.endsWith(QLatin1Char('/')) ||
        options.iterations < kEarlyIterations) {
        std::fprintf(stderr, "usage: %s --base http://HOST:PORT/ [--iterations N (at least %d)]\n",
                     qPrintable(arguments.value(0)), kEarlyIterations);
        std::exit(2);
    }
    return options;
}

QString Scenario::headlinePage(int n) {
    return QString::fromLatin1(kHeadlinePages[n - 1]);
}

Scenario::Scenario(BenchSubject &subject, Options options)
    : m_subject(subject), m_options(std::move(options)) {
    m_shownProbe =
        std::make_unique<FirstFrameProbe>(subject.window(), [] { report("shown", msSinceProcessStart()); });
    connect(&subject, &BenchSubject::headlineCompleted, this, &Scenario::onHeadline);
    connect(&subject, &BenchSubject::articleCompleted, this, &Scenario::onArticle);
}

Scenario::~Scenario() = default;

void Scenario::onHeadline(const QString &url) {
    m_headline = {url, msSinceProcessStart()};
    if (!m_started && m_article.at >= 0) {
        m_started = true;
        report("panes", m_headline.at);
        QTimer::singleShot(0, this, &Scenario::run);
    }
    if (m_loop)
        m_loop->quit();
}

void Scenario::onArticle(const QString &url) {
    m_article = {url, msSinceProcessStart()};
    if (!m_started && m_headline.at >= 0) {
        m_started = true;
        report("panes", m_article.at);
        QTimer::singleShot(0, this, &Scenario::run);
    }
    if (m_loop)
        m_loop->quit();
}

void Scenario::run() {
    settle(kSettleMs);
    reportMemory("pss_start");
    for (int i = 0; i < m_options.iterations; ++i) {
        const QString page = m_options.base + headlinePage(i % kCategories + 1);
        const double clicked = msSinceProcessStart();
        m_subject.showCategory(i % kCategories + 1);
        if (!waitFor(m_headline, page, clicked, kTimeoutMs))
            fail(QStringLiteral("headline page %1 did not complete").arg(page));
        report("click", m_headline.at - clicked);

        const Link link = findLink(i % kLinksPerPage);
        waitUntilDrawn();
        QWebEngineView *view = m_subject.headlineView();
        QWidget *target = view->focusProxy() ? view->focusProxy() : view;
        double opened = 0;
        for (int click = 1;; ++click) {
            opened = msSinceProcessStart();
            QTest::mouseClick(target, Qt::LeftButton, {}, link.position);
            if (waitFor(m_article, link.url, opened, kReclickMs))
                break;
            if (click == kClicks)
                fail(QStringLiteral("article %1 did not complete").arg(link.url));
            report("reclick", click);
        }
        report("article", m_article.at - opened);

        if (i + 1 == kEarlyIterations) {
            settle(kSettleMs);
            reportMemory("pss_20");
        }
    }
    settle(kSettleMs);
    reportMemory("pss_end");
    QTimer::singleShot(0, m_subject.window(), &QWidget::close);
}

bool Scenario::waitFor(const Completion &completion, const QString &url, double since, int timeoutMs) {
    const auto done = [&] { return completion.url == url && completion.at >= since; };
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    m_loop = &loop;
    while (!done() && deadline.isActive())
        loop.exec();
    m_loop = nullptr;
    return done();
}

QVariant Scenario::evaluate(const QString &script) {
    QVariant answer;
    bool answered = false;
    QEventLoop loop;
    m_subject.headlineView()->page()->runJavaScript(script, [&](const QVariant &result) {
        answer = result;
        answered = true;
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    if (!answered)
        loop.exec();
    if (!answered)
        fail(QStringLiteral("the headline page runs no script"));
    return answer;
}

Scenario::Link Scenario::findLink(int index) {
    // Also starts the count of frames waitUntilDrawn() waits for.
    const QVariantList answer =
        evaluate(QStringLiteral("(function(){var a=document.querySelectorAll('a[target=_blank]')[%1];"
                                "if(!a)return null;var r=a.getBoundingClientRect();window.benchDrawn=false;"
                                "requestAnimationFrame(function(){requestAnimationFrame(function(){"
                                "window.benchDrawn=true;});});"
                                "return [r.left+Math.min(20,r.width/2),r.top+r.height/2,a.href];})()")
                     .arg(index))
            .toList();
    if (answer.size() != 3)
        fail(QStringLiteral("the headline page has no new-window link %1").arg(index));
    return {QPoint(answer.at(0).toInt(), answer.at(1).toInt()), answer.at(2).toString()};
}

void Scenario::waitUntilDrawn() {
    // A page that has not been drawn yet drops clicks; two frames after findLink() it has been.
    const QDeadlineTimer deadline(kTimeoutMs);
    while (!evaluate(QStringLiteral("window.benchDrawn===true")).toBool()) {
        if (deadline.hasExpired())
            fail(QStringLiteral("the headline page is not drawn"));
        settle(kPollMs);
    }
}

void Scenario::settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Scenario::reportMemory(const char *name) {
    report(name, treePssMiB(getpid()));
}

void Scenario::fail(const QString &what) {
    std::printf("error %s\n", qPrintable(what));
    std::fflush(stdout);
    // The engine's processes end with this one; nothing else is worth tidying.
    _exit(1);
}
