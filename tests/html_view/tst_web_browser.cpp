// The HTML view adapter on its own: late-bound calls, event order, the error page.
#include "test_main.h"

#include "application/errors.h"
#include "html_view/web_browser.h"
#include "newsd/news_server.h"

#include <QSignalSpy>
#include <QTest>

class WebBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void lateBoundCallsNeedADocument();
    void titleComesBeforeCompletion();
    void unreachableServerShowsOurErrorPage();
};

void WebBrowserTest::lateBoundCallsNeedADocument()
{
    TWebBrowser pane;
    const OleVariant application = pane.Application();
    QVERIFY(application.isObject());
    QVERIFY(application.get("Document").isEmpty()); // nothing shown yet
    QVERIFY_THROWS_EXCEPTION(EOleError, application.get("Document").get("body"));
    QVERIFY_THROWS_EXCEPTION(EOleError, application.get("NoSuchProperty"));
    QVERIFY_THROWS_EXCEPTION(EOleError, OleVariant("text").set("Scroll", "no"));
}

void WebBrowserTest::titleComesBeforeCompletion()
{
    NewsServer server;
    server.setRoute("/page.htm", NewsServer::Route::fixed(200, "text/html", "<title>vorn</title><body>x</body>"));
    const quint16 port = server.listenAny();
    QVERIFY(port);

    TWebBrowser pane;
    QStringList events;
    connect(&pane, &TWebBrowser::OnTitleChange, this, [&](const QString &title) { events << "title " + title; });
    connect(&pane, &TWebBrowser::OnDocumentComplete, this, [&](const OleVariant &, const QString &url) {
        events << "complete " + url;
        // The document and its body are there when its completion is raised.
        pane.Application().get("Document").get("body").set("Scroll", "no");
    });
    pane.resize(300, 200);
    pane.show();
    pane.Navigate(server.baseUrl() + "page.htm");
    QTRY_VERIFY_WITH_TIMEOUT(!events.isEmpty() && events.last().startsWith("complete"), 15000);
    const qsizetype complete = events.indexOf("complete " + server.baseUrl() + "page.htm");
    QVERIFY(complete > 0);
    QCOMPARE(events.at(complete - 1), QString("title vorn"));
}

void WebBrowserTest::unreachableServerShowsOurErrorPage()
{
    NewsServer server;
    const quint16 port = server.listenAny();
    server.close(); // nobody listens there any more
    TWebBrowser pane;
    QString lastTitle;
    connect(&pane, &TWebBrowser::OnTitleChange, this, [&](const QString &title) { lastTitle = title; });
    QSignalSpy completions(&pane, &TWebBrowser::OnDocumentComplete);
    pane.show();
    const QString address = QStringLiteral("http://127.0.0.1:%1/news.htm").arg(port);
    pane.Navigate(address);
    QTRY_COMPARE_WITH_TIMEOUT(completions.size(), 1, 15000);
    QCOMPARE(lastTitle, QString("无法显示网页"));
    QCOMPARE(completions.first().at(1).toString(), address);
}

LUMORA_TEST_MAIN(WebBrowserTest)
#include "tst_web_browser.moc"
