// The sample news site: each category page the reader asks for is there, carries the agreed title,
// declares UTF-8, and links only to files that exist.
#include "main_window/category_table.h"
#include "newsd/news_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

bool declaresUtf8(const QString &html) {
    static const QRegularExpression meta(QStringLiteral(R"(<meta\s+charset="utf-8">)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return meta.match(html).hasMatch();
}

QStringList captures(const QString &html, const QString &pattern) {
    QStringList result;
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
    for (auto it = re.globalMatch(html); it.hasNext();)
        result.append(it.next().captured(1));
    return result;
}

// The file a link names, or empty when it leaves the folder.
QString linkedFile(const QDir &from, const QString &href) {
    const QString path = QDir::cleanPath(from.filePath(href));
    const QString root = QDir::cleanPath(QStringLiteral(SAMPLE_SITE_DIR));
    return path.startsWith(root + u'/') ? path : QString();
}

} // namespace

class TestNewsSampleSite : public QObject {
    Q_OBJECT

private slots:
    void categoryPage_data();
    void categoryPage();
    void servedOverHttp();
};

void TestNewsSampleSite::categoryPage_data() {
    QTest::addColumn<QString>("page");
    for (const Category &category : CategoryTable)
        if (category.pageName)
            QTest::newRow(category.pageName) << QString::fromLatin1(category.pageName);
}

void TestNewsSampleSite::categoryPage() {
    QFETCH(QString, page);
    const QDir site(QStringLiteral(SAMPLE_SITE_DIR));
    const QByteArray bytes = readFile(site.filePath(page));
    QVERIFY2(!bytes.isEmpty(), qPrintable(site.filePath(page)));
    QVERIFY(isUtf8(bytes));
    const QString html = QString::fromUtf8(bytes);
    QVERIFY(declaresUtf8(html));
    QCOMPARE(captures(html, QStringLiteral("<title>(.*?)</title>")), QStringList{QStringLiteral("vorn")});

    static const QString headlinePattern =
        QStringLiteral(R"re(<a href="(articles/[^"]+)" target="_blank">)re");
    const QStringList articles = captures(html, headlinePattern);
    QVERIFY2(articles.size() >= 12, qPrintable(QString::number(articles.size())));
    // Every link on the page is a headline opening in a new window.
    QCOMPARE(captures(html, QStringLiteral("<a\\s([^>]*)>")).size(), articles.size());

    for (const QString &article : articles) {
        const QString articlePath = linkedFile(site, article);
        QVERIFY2(QFileInfo(articlePath).isFile(), qPrintable(article));
        const QByteArray articleBytes = readFile(articlePath);
        QVERIFY2(isUtf8(articleBytes), qPrintable(article));
        const QString articleHtml = QString::fromUtf8(articleBytes);
        QVERIFY2(declaresUtf8(articleHtml), qPrintable(article));
        QVERIFY2(!captures(articleHtml, QStringLiteral("<title>(.+?)</title>")).isEmpty(),
                 qPrintable(article));

        const QStringList images = captures(articleHtml, QStringLiteral(R"re(<img [^>]*src="([^"]+)")re"));
        QVERIFY2(!images.isEmpty(), qPrintable(article));
        const QDir articleDir = QFileInfo(articlePath).dir();
        for (const QString &image : images)
            QVERIFY2(QFileInfo(linkedFile(articleDir, image)).isFile(), qPrintable(article + u' ' + image));
    }
}

void TestNewsSampleSite::servedOverHttp() {
    NewsServer server;
    server.setRoot(QStringLiteral(SAMPLE_SITE_DIR));
    QVERIFY(server.listenAny() != 0);
    QNetworkAccessManager network;
    const QDir site(QStringLiteral(SAMPLE_SITE_DIR));

    for (const char *page : {"news.htm", "articles/lady-01.htm", "images/logo.png"}) {
        std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(QUrl(server.baseUrl() + page))));
        QTRY_VERIFY(reply->isFinished());
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        QCOMPARE(reply->readAll(), readFile(site.filePath(QString::fromLatin1(page))));
    }
}

QTEST_GUILESS_MAIN(TestNewsSampleSite)
#include "tst_news_sample_site.moc"
