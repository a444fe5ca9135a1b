#include "code_page/code_page.h"

#include <QStringEncoder>
#include <QTest>

class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void undecodableBytes_data();
    void undecodableBytes();
    void unpairedSurrogateNarrowsToReplacement();
    void nameEncodesLikeNarrowing();
};

void TestCodePage::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ascii") << QStringLiteral("config.ini") << QByteArray("config.ini");
    QTest::newRow("chinese") << QStringLiteral("软件名称:新闻")
                             << QByteArray("\xE8\xBD\xAF\xE4\xBB\xB6\xE5\x90\x8D"
                                           "\xE7\xA7\xB0:\xE6\x96\xB0\xE9\x97\xBB");
    QTest::newRow("outside the BMP") << QStringLiteral("a\U0001F600b")
                                     << QByteArray("a\xF0\x9F\x98\x80"
                                                   "b");
    QTest::newRow("NUL kept") << QString(QStringLiteral("a%1b")).arg(QChar(0)) << QByteArray("a\0b", 3);
}

void TestCodePage::roundTrip() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(narrowToCodePage(text), bytes);
    QCOMPARE(widenFromCodePage(bytes), text);
}

// Each byte that is not part of a valid UTF-8 character widens to its own U+FFFD; the bytes are lost.
void TestCodePage::undecodableBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QChar r = QChar::ReplacementCharacter;
    QTest::newRow("lone 0xFF") << QByteArray("a\xFF"
                                             "b")
                               << QStringLiteral("a%1b").arg(r);
    QTest::newRow("GBK bytes") << QByteArray("\xD6\xD0") << QString(2, r);
    QTest::newRow("cut off sequence at end") << QByteArray("a\xE4\xB8") << QStringLiteral("a%1%1").arg(r);
}

void TestCodePage::undecodableBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(widenFromCodePage(bytes), text);
    QVERIFY(narrowToCodePage(widenFromCodePage(bytes)) != bytes);
}

void TestCodePage::unpairedSurrogateNarrowsToReplacement() {
    const QString text = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
    QCOMPARE(narrowToCodePage(text), QByteArray("a\xEF\xBF\xBD"
                                                "b"));
}

void TestCodePage::nameEncodesLikeNarrowing() {
    QStringEncoder encoder(systemCodePageName().constData());
    QVERIFY(encoder.isValid());
    const QString text = QStringLiteral("新闻 Lumora ä");
    QCOMPARE(QByteArray(encoder(text)), narrowToCodePage(text));
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_code_page.moc"
