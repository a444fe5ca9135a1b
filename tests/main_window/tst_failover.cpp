// The headline pane's completions: scroll bars off, and the one switch per run to the other server.
#include "error_box_catcher.h"
#include "news_site_fixture.h"
#include "reader_fixture.h"
#include "test_main.h"

#include "html_view/web_browser.h"
#include "main_window/run_state.h"
#include "ui_Unit1.h"

#include <QTest>
#include <csignal>

namespace {

const QByteArray kErrorTitle = QStringLiteral("无法显示网页").toUtf8();

QUrl mirrorPage(const char *name)
{
    return QUrl(QString::fromLatin1(MirrorNewsBase + name));
}
} // namespace

class FailoverTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void primaryDownSwitchesToMirror_data();
    void primaryDownSwitchesToMirror();
    void bothDownSwitchesOnlyOnce();
    void wrongTitleCountsAsFailure_data();
    void wrongTitleCountsAsFailure();
    void localPagesNeverSwitch();
    void switchedServerIsKeptForTheNextRun();
    void documentWithoutBodyIsNotJudged();
    void tallPageShowsNoScrollBars();
    void badAnswersEndInACompletion_data();
    void badAnswersEndInACompletion();
    void deadRendererShowsTheErrorPage();

private:
    void startReader(const QByteArray &config = {});
    bool waitForTitle(const QByteArray &title, int timeoutMs = 20000);

    std::unique_ptr<NewsSiteFixture> m_site;
    std::unique_ptr<ReaderFixture> m_reader;
};

void FailoverTest::init()
{
    m_site = std::make_unique<NewsSiteFixture>();
}

void FailoverTest::cleanup()
{
    m_reader.reset();
    m_site.reset();
}

void FailoverTest::startReader(const QByteArray &config)
{
    m_reader = std::make_unique<ReaderFixture>();
    if (!config.isEmpty())
        m_reader->writeFile("config.ini", config);
    m_reader->start();
    QVERIFY(m_reader->waitForBothPanes());
    QCOMPARE(runState().LastTitle, QByteArray("vorn"));
}

bool FailoverTest::waitForTitle(const QByteArray &title, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (runState().LastTitle != title && !deadline.hasExpired())
        QTest::qWait(20);
    return runState().LastTitle == title;
}

void FailoverTest::primaryDownSwitchesToMirror_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("mirrorNavigations");
    // Choosing another category: the switch asks for the mirror's page, then selecting "时事" asks again.
    QTest::newRow("体育") << 2 << 2;
    QTest::newRow("时事") << 1 << 1;
}

void FailoverTest::primaryDownSwitchesToMirror()
{
    QFETCH(int, chosen);
    QFETCH(int, mirrorNavigations);
    m_site->primary.close();
    startReader();
    TForm1 *form = m_reader->form();
    QSignalSpy navigations(m_reader->web1(), &TWebBrowser::navigationRequested);
    QSignalSpy selected(m_reader->selector(1), &TsuiRadioButton::clicked);

    QTest::mouseClick(m_reader->selector(chosen), Qt::LeftButton);
    QVERIFY(m_site->waitForRequest(m_site->mirror, "/news.htm"));
    QVERIFY(waitForTitle("vorn"));
    QCOMPARE(runState().NewsBase, MirrorNewsBase);
    QCOMPARE(runState().FailoverCount, 1);
    QVERIFY(m_reader->selector(1)->isChecked());
    if (chosen != 1)
        QVERIFY(!m_reader->selector(chosen)->isChecked());
    QCOMPARE(selected.size(), 1); // by the user's click on "时事", or by the switch selecting it
    QList<QUrl> asked;
    for (const QList<QVariant> &call : navigations)
        asked << call.at(0).toUrl();
    QCOMPARE(asked.count(mirrorPage("news.htm")), mirrorNavigations);
    QCOMPARE(asked.size(), 1 + mirrorNavigations);
    QVERIFY(m_site->targets(m_site->mirror).size() <= 2);
}

void FailoverTest::bothDownSwitchesOnlyOnce()
{
    m_site->primary.close();
    m_site->mirror.close();
    startReader();
    TForm1 *form = m_reader->form();
    QSignalSpy navigations(m_reader->web1(), &TWebBrowser::navigationRequested);
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(runState().FailoverCount, 1, 20000);
    // The mirror's error page completes too, and stays.
    QTRY_VERIFY_WITH_TIMEOUT(navigations.size() >= 3, 20000);
    QTest::qWait(2500);
    QCOMPARE(runState().LastTitle, kErrorTitle);
    QCOMPARE(runState().FailoverCount, 1);
    QCOMPARE(runState().NewsBase, MirrorNewsBase);
    const qsizetype asked = navigations.size();
    QTest::mouseClick(m_reader->selector(5), Qt::LeftButton);
    QTest::qWait(2500);
    QCOMPARE(navigations.size(), asked + 1);
    QCOMPARE(runState().NewsBase, MirrorNewsBase);
    QCOMPARE(runState().LastTitle, kErrorTitle);
}

void FailoverTest::wrongTitleCountsAsFailure_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("title differs in case") << QByteArray("<title>Vorn</title><body>x</body>");
    QTest::newRow("page reached from the headlines")
        << QByteArray("<title>vorn</title><body><script>setTimeout(function(){location.href='other.htm'},200)"
                      "</script></body>");
    // The page takes the agreed title only after its frame has loaded: the frame's completion counts.
    QTest::newRow("frame completes first")
        << QByteArray("<body><iframe src='frame.htm' onload=\"document.title='vorn'\"></iframe></body>");
}

void FailoverTest::wrongTitleCountsAsFailure()
{
    QFETCH(QByteArray, page);
    m_site->writePage("sports.htm", page);
    m_site->writePage("other.htm", "<title>other</title><body>other</body>");
    m_site->writePage("frame.htm", "<body>frame</body>");
    startReader();
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    QVERIFY(m_site->waitForRequest(m_site->mirror, "/news.htm"));
    QCOMPARE(runState().NewsBase, MirrorNewsBase);
    QCOMPARE(runState().FailoverCount, 1);
}

void FailoverTest::localPagesNeverSwitch()
{
    startReader();
    QTest::mouseClick(m_reader->selector(12), Qt::LeftButton);
    QSignalSpy completions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    QTRY_VERIFY_WITH_TIMEOUT(!completions.isEmpty(), 15000);
    QTest::qWait(500);
    QCOMPARE(runState().FailoverCount, 0);
    QCOMPARE(runState().NewsBase, PrimaryNewsBase);
    QVERIFY(m_site->targets(m_site->primary).isEmpty() && m_site->targets(m_site->mirror).isEmpty());
}

void FailoverTest::switchedServerIsKeptForTheNextRun()
{
    m_site->primary.close();
    startReader();
    QTest::mouseClick(m_reader->selector(3), Qt::LeftButton);
    QVERIFY(m_site->waitForRequest(m_site->mirror, "/news.htm"));
    m_reader->close();
    QVERIFY(m_reader->readFile("config.ini").startsWith("[option]\r\nnewsurl=" + MirrorNewsBase + "\r\n"));

    const QByteArray config = m_reader->readFile("config.ini");
    startReader(config);
    QCOMPARE(runState().NewsBase, MirrorNewsBase);
    QCOMPARE(runState().FailoverCount, 0);
    m_site->clearRequests();
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    QVERIFY(m_site->waitForRequest(m_site->mirror, "/sports.htm"));
}

void FailoverTest::documentWithoutBodyIsNotJudged()
{
    // An SVG document has a title but no body: the completion stops at the scroll bars.
    m_site->primary.setRoute("/sports.htm",
                             NewsServer::Route::fixed(200, "image/svg+xml",
                                                      "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                                                      "<title>picture</title><rect width='10' height='10'/></svg>"));
    startReader();
    ErrorBoxCatcher boxes;
    QSignalSpy completions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!completions.isEmpty(), 15000);
    QVERIFY(waitForTitle("picture"));
    QTest::qWait(800);
    QCOMPARE(runState().FailoverCount, 0);
    QVERIFY(m_site->targets(m_site->mirror).isEmpty());
    QVERIFY(boxes.texts().isEmpty());
}

void FailoverTest::tallPageShowsNoScrollBars()
{
    m_site->writePage("sports.htm", "<title>vorn</title><body style='margin:0;background:#00ff00'>"
                                    "<div style='width:3000px;height:5000px'></div></body>");
    startReader();
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    QVERIFY(m_site->waitForRequest(m_site->primary, "/sports.htm"));
    const QColor green(0, 255, 0);
    auto edgesAreGreen = [this, green] {
        const QImage image = m_reader->web1()->grab().toImage();
        return QColor(image.pixel(image.width() - 4, image.height() / 2)) == green &&
               QColor(image.pixel(image.width() / 2, image.height() - 4)) == green &&
               QColor(image.pixel(image.width() - 4, image.height() - 4)) == green;
    };
    QTRY_VERIFY_WITH_TIMEOUT(edgesAreGreen(), 10000);
}

void FailoverTest::badAnswersEndInACompletion_data()
{
    using Route = NewsServer::Route;
    QTest::addColumn<Route>("route");
    QTest::addColumn<QByteArray>("title");
    QTest::newRow("never answers") << Route::hang() << kErrorTitle;
    QTest::newRow("garbage") << Route::garbage() << kErrorTitle;
    QTest::newRow("closes at once") << Route::closeImmediately() << kErrorTitle;
    QTest::newRow("404 page") << Route::fixed(404, "text/html", "<title>Not Found</title>missing") << QByteArray("Not Found");
    QTest::newRow("500 empty") << Route::fixed(500, "text/html", "") << QByteArray();
    QTest::newRow("redirect loop") << Route::redirect("/sports.htm") << kErrorTitle;
    QByteArray huge = "<title>huge</title>";
    while (huge.size() < (8 << 20))
        huge += "<p>" + QStringLiteral("很长的新闻页面。").toUtf8().repeated(20) + "</p>\n";
    QTest::newRow("huge page") << Route::fixed(200, "text/html", huge) << QByteArray();
    QTest::newRow("image") << Route::fixed(200, "image/png", QByteArray::fromBase64(
                                  "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="))
                           << QByteArray();
    QTest::newRow("pdf") << Route::fixed(200, "application/pdf", "%PDF-1.4\n%%EOF\n") << kErrorTitle;
    QTest::newRow("plain text") << Route::fixed(200, "text/plain", "just text") << QByteArray();
}

void FailoverTest::badAnswersEndInACompletion()
{
    QFETCH(NewsServer::Route, route);
    QFETCH(QByteArray, title);
    m_site->primary.setRoute("/sports.htm", route);
    m_site->mirror.close();
    startReader();
    m_reader->web1()->setLoadTimeout(3000);
    QSignalSpy completions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!completions.isEmpty(), 20000);
    if (!title.isEmpty())
        QCOMPARE(runState().LastTitle, title);
    QVERIFY(runState().LastTitle != "vorn");
    // Judged as failed: one switch to the (unreachable) mirror, and no more.
    QTRY_COMPARE_WITH_TIMEOUT(runState().FailoverCount, 1, 20000);
    QTest::qWait(4000);
    QCOMPARE(runState().FailoverCount, 1);
    QCOMPARE(runState().NewsBase, MirrorNewsBase);
}

void FailoverTest::deadRendererShowsTheErrorPage()
{
    startReader();
    const qint64 pid = m_reader->web1()->rendererProcessId();
    QVERIFY(pid > 0);
    QSignalSpy completions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    ::kill(pid_t(pid), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(!completions.isEmpty(), 20000);
    QCOMPARE(runState().LastTitle, kErrorTitle);
    QTRY_VERIFY_WITH_TIMEOUT(centrePixel(m_reader->web1()) != QColor(0x14, 0x53, 0xBA), 10000);
}

LUMORA_TEST_MAIN(FailoverTest)
#include "tst_failover.moc"
