// Choosing a category: what the headline pane requests, and the About page.
#include "error_box_catcher.h"
#include "news_site_fixture.h"
#include "reader_fixture.h"
#include "test_main.h"

#include "html_view/web_browser.h"
#include "main_window/category_table.h"
#include "main_window/local_page.h"
#include "main_window/run_state.h"
#include "ui_Unit1.h"

#include <QDir>
#include <QTest>

class CategoriesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void eachCategoryRequestsItsPage_data();
    void eachCategoryRequestsItsPage();
    void reselectingDoesNotReload();
    void selectingByProgramRunsTheHandlerOnce();
    void keyboardDoesNotSelect_data();
    void keyboardDoesNotSelect();
    void aboutIsWrittenAndShownLocally();
    void unwritableAboutPageIsReported();
    void storedBaseIsUsedAsItIs_data();
    void storedBaseIsUsedAsItIs();

private:
    std::unique_ptr<NewsSiteFixture> m_site;
    std::unique_ptr<ReaderFixture> m_reader;
};

void CategoriesTest::initTestCase()
{
    m_site = std::make_unique<NewsSiteFixture>();
    m_reader = std::make_unique<ReaderFixture>();
    m_reader->start();
    QVERIFY(m_reader->waitForBothPanes());
}

void CategoriesTest::cleanupTestCase()
{
    m_reader.reset();
    m_site.reset();
}

void CategoriesTest::init()
{
    m_site->clearRequests();
}

void CategoriesTest::eachCategoryRequestsItsPage_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 11; ++n)
        QTest::newRow(CategoryTable[n - 1].pageName) << n;
}

void CategoriesTest::eachCategoryRequestsItsPage()
{
    QFETCH(int, n);
    TForm1 *form = m_reader->form();
    const QByteArray page = QByteArray("/") + CategoryTable[n - 1].pageName;
    const qsizetype web2Before = m_reader->web2Completions().size();
    QTest::mouseClick(m_reader->selector(n), Qt::LeftButton);
    QVERIFY(m_reader->selector(n)->isChecked());
    QVERIFY(m_reader->waitForHeadline(QString::fromLatin1(page)));
    QCOMPARE(runState().LastTitle, QByteArray("vorn"));
    QCOMPARE(m_site->targets(m_site->primary), QList<QByteArray>{page});
    QVERIFY(m_site->targets(m_site->mirror).isEmpty());
    QCOMPARE(m_reader->web2Completions().size(), web2Before); // the article pane is untouched
}

void CategoriesTest::reselectingDoesNotReload()
{
    TForm1 *form = m_reader->form();
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    QVERIFY(m_site->waitForRequest(m_site->primary, "/sports.htm"));
    QTest::mouseClick(m_reader->selector(2), Qt::LeftButton);
    m_reader->selector(2)->setChecked(true);
    QTest::qWait(800);
    QCOMPARE(m_site->targets(m_site->primary), QList<QByteArray>{"/sports.htm"});
}

void CategoriesTest::selectingByProgramRunsTheHandlerOnce()
{
    TForm1 *form = m_reader->form();
    m_reader->selector(3)->setChecked(true);
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(m_reader->selector(n)->isChecked(), n == 3);
    QVERIFY(m_site->waitForRequest(m_site->primary, "/yule.htm"));
    QTest::qWait(500);
    QCOMPARE(m_site->targets(m_site->primary), QList<QByteArray>{"/yule.htm"});
}

void CategoriesTest::keyboardDoesNotSelect_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

void CategoriesTest::keyboardDoesNotSelect()
{
    QFETCH(int, key);
    TForm1 *form = m_reader->form();
    TsuiRadioButton *target = m_reader->selector(9);
    QVERIFY(!target->isChecked());
    form->activateWindow();
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key(key));
    QTest::qWait(500);
    QVERIFY(!target->isChecked());
    QVERIFY(m_site->targets(m_site->primary).isEmpty());
}

void CategoriesTest::aboutIsWrittenAndShownLocally()
{
    TForm1 *form = m_reader->form();
    QSignalSpy completions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    const qsizetype web2Before = m_reader->web2Completions().size();
    QTest::mouseClick(m_reader->selector(12), Qt::LeftButton);
    QCOMPARE(m_reader->readFile("temp.htm"), AboutPage());
    QTRY_VERIFY_WITH_TIMEOUT(!completions.isEmpty(), 15000);
    QCOMPARE(completions.last().at(1).toString(), QUrl::fromLocalFile(m_reader->path("temp.htm")).toString());
    QCOMPARE(runState().LastTitle, QByteArray("vorn"));
    QVERIFY(m_site->targets(m_site->primary).isEmpty());
    QCOMPARE(m_reader->web2Completions().size(), web2Before);

    const QByteArray about = AboutPage();
    QVERIFY(about.startsWith("<title>vorn</title><body bgcolor=\"#1453BA\" text=yellow>软件名称:Lumora V1.21<br>软件作者:"));
    QVERIFY(about.contains("<br><br>"));
    QVERIFY(about.contains("<br>E-mail:"));
    QVERIFY(about.endsWith("@example.org"));
    QVERIFY(!about.contains('\n') && !about.contains('\r'));
    QVERIFY(about.indexOf("软件作者:") < about.indexOf("<br><br>"));
    // Yellow text on the blue page
    auto looksLikeAbout = [this] {
        const QImage image = m_reader->web1()->grab().toImage();
        if (image.isNull() || QColor(image.pixel(image.width() - 5, image.height() - 5)) != QColor(0x14, 0x53, 0xBA))
            return false;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 200; ++x) {
                const QColor c(image.pixel(x, y));
                if (c.red() > 200 && c.green() > 200 && c.blue() < 80)
                    return true;
            }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(looksLikeAbout(), 5000);
}

void CategoriesTest::unwritableAboutPageIsReported()
{
    TForm1 *form = m_reader->form();
    m_reader->selector(1)->setChecked(true);
    QVERIFY(m_reader->waitForHeadline("/news.htm"));
    QVERIFY(QFile::remove(m_reader->path("temp.htm")));
    QVERIFY(QDir().mkdir(m_reader->path("temp.htm")));
    QSignalSpy completions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    ErrorBoxCatcher boxes;
    QTest::mouseClick(m_reader->selector(12), Qt::LeftButton);
    QTRY_COMPARE(boxes.texts(), QStringList{"File access denied."});
    QTest::qWait(800);
    QVERIFY(completions.isEmpty());
    QVERIFY(QDir().rmdir(m_reader->path("temp.htm")));
}

void CategoriesTest::storedBaseIsUsedAsItIs_data()
{
    QTest::addColumn<QByteArray>("newsurl");
    QTest::addColumn<QByteArray>("target");
    const QByteArray host = "http://127.0.0.1:" + QByteArray::number(LUMORA_TEST_PRIMARY_PORT);
    QTest::newRow("no final slash") << host + "/news" << QByteArray("/newssports.htm");
    QTest::newRow("spaces and Chinese") << host + "/新 闻/" << QByteArray("/%E6%96%B0%20%E9%97%BB/sports.htm");
    QTest::newRow("2047 characters") << host + "/" + QByteArray(2047 - host.size() - 1, 'a')
                                     << "/" + QByteArray(2047 - host.size() - 1, 'a') + "sports.htm";
}

void CategoriesTest::storedBaseIsUsedAsItIs()
{
    QFETCH(QByteArray, newsurl);
    QFETCH(QByteArray, target);
    ReaderFixture reader;
    reader.writeFile("config.ini", "[option]\r\nnewsurl=" + newsurl + "\r\n");
    TForm1 *form = reader.start();
    QVERIFY(reader.waitForBothPanes());
    QCOMPARE(runState().NewsBase, newsurl);
    QTest::mouseClick(reader.selector(2), Qt::LeftButton);
    QVERIFY(m_site->waitForRequest(m_site->primary, target));
}

LUMORA_TEST_MAIN(CategoriesTest)
#include "tst_categories.moc"
