// Start-up and close through the real window, in a program folder of the test's own.
#include "error_box_catcher.h"
#include "reader_fixture.h"
#include "test_main.h"

#include "html_view/web_browser.h"
#include "main_window/local_page.h"
#include "main_window/run_state.h"
#include "newsd/news_server.h"
#include "ui_Unit1.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunIsCentredAndSaved();
    void settingsAreApplied_data();
    void settingsAreApplied();
    void closeKeepsTheRestOfTheFile();
    void bothPanesShowThePlaceholderWithoutNetwork();
    void unwritablePlaceholderEndsStartup();
    void unwritableSettingsStillClose();
    void copiedProgramKeepsItsFilesBesideItself();
    void skinBesideTheProgramIsApplied_data();
    void skinBesideTheProgramIsApplied();
};

void StartupTest::firstRunIsCentredAndSaved()
{
    ReaderFixture reader;
    TForm1 *form = reader.start();
    QCOMPARE(reader.readFile("temp.htm"), PlaceholderPage);
    QCOMPARE(reader.readFile("temp.htm").size(), 43);
    QCOMPARE(form->size(), QSize(779, 535));
    QCOMPARE(form->ui()->suiForm1->frameWidth(), 777);
    QCOMPARE(form->ui()->suiForm1->frameHeight(), 534);
    const QRect screen = form->screen()->geometry();
    QCOMPARE(form->pos(), QPoint((screen.width() - 779) / 2, (screen.height() - 535) / 2));
    QCOMPARE(runState().NewsBase, PrimaryNewsBase);
    QCOMPARE(runState().ProgramDir, QDir(reader.programDir()).absolutePath().toUtf8() + '/');

    reader.close();
    const QByteArray expected = "[option]\r\nnewsurl=" + PrimaryNewsBase + "\r\nwidth=777\r\nheight=534\r\nleft=" +
                                QByteArray::number(form->x()) + "\r\ntop=" + QByteArray::number(form->y()) + "\r\n";
    QCOMPARE(reader.readFile("config.ini"), expected);
}

void StartupTest::settingsAreApplied_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QByteArray>("newsBase");

    QTest::newRow("stored values") << QByteArray("[option]\r\nnewsurl=http://news.example.org/\r\nwidth=700\r\n"
                                                 "height=500\r\nleft=40\r\ntop=30\r\n")
                                   << QSize(700, 500) << QPoint(40, 30) << QByteArray("http://news.example.org/");
    QTest::newRow("no option section") << QByteArray("[other]\r\nwidth=300\r\n") << QSize(775, 507)
                                       << QPoint(15, 33) << PrimaryNewsBase;
    QTest::newRow("hex and junk") << QByteArray("[option]\nwidth=0x300\nheight=abc\nleft=$10\ntop= 20\n")
                                  << QSize(768, 507) << QPoint(16, 20) << PrimaryNewsBase;
    QTest::newRow("stored mirror") << QByteArray("[OPTION]\r\nNewsUrl=" + MirrorNewsBase + "\r\n") << QSize(775, 507)
                                   << QPoint(15, 33) << MirrorNewsBase;
    QTest::newRow("empty newsurl") << QByteArray("[option]\r\nnewsurl=\r\n") << QSize(775, 507) << QPoint(15, 33)
                                   << QByteArray();
    QTest::newRow("below the minimum") << QByteArray("[option]\r\nwidth=100\r\nheight=10\r\n") << QSize(123, 49)
                                       << QPoint(15, 33) << PrimaryNewsBase;
    QTest::newRow("off the screen") << QByteArray("[option]\r\nleft=-3000\r\ntop=5000\r\n") << QSize(775, 507)
                                    << QPoint(-3000, 5000) << PrimaryNewsBase;
    // Larger than any desktop: bounded like the window system bounds a window, no huge window.
    QTest::newRow("huge size") << QByteArray("[option]\r\nwidth=2147483647\r\nheight=$7FFFFFFF\r\n")
                               << QSize(1280 + 12 - 2, 1024 + 12 - 1) << QPoint(15, 33) << PrimaryNewsBase;
    QByteArray junk("\x00\xff\xfe junk\r\n", 10);
    junk += "[option]\r\n" + QByteArray(100000, 'x') + "\r\nwidth=640\r\nheight=" + QByteArray(5000, '9') + "\r\n";
    QTest::newRow("binary junk and huge lines") << junk << QSize(640, 507) << QPoint(15, 33) << PrimaryNewsBase;
}

void StartupTest::settingsAreApplied()
{
    QFETCH(QByteArray, config);
    QFETCH(QSize, frame);
    QFETCH(QPoint, position);
    QFETCH(QByteArray, newsBase);

    ReaderFixture reader;
    reader.writeFile("config.ini", config);
    TForm1 *form = reader.start();
    QCOMPARE(QSize(form->ui()->suiForm1->frameWidth(), form->ui()->suiForm1->frameHeight()), frame);
    QCOMPARE(form->size(), frame + QSize(2, 1));
    QCOMPARE(form->pos(), position);
    QCOMPARE(runState().NewsBase, newsBase);
    QCOMPARE(runState().FailoverCount, 0);
}

void StartupTest::closeKeepsTheRestOfTheFile()
{
    ReaderFixture reader;
    reader.writeFile("config.ini", "; my settings\r\n[view]\r\nzoom=2\r\n[Option]\r\nTOP=5\r\nextra=keep me\r\n\r\n");
    TForm1 *form = reader.start();
    runState().NewsBase = MirrorNewsBase;
    form->ui()->suiForm1->setFrameWidth(600);
    form->ui()->suiForm1->setFrameHeight(400);
    form->move(70, 80);
    reader.close();
    QCOMPARE(reader.readFile("config.ini"),
             "; my settings\r\n[view]\r\nzoom=2\r\n[Option]\r\nTOP=80\r\nextra=keep me\r\nnewsurl=" + MirrorNewsBase +
                 "\r\nwidth=600\r\nheight=400\r\nleft=70\r\n\r\n");
}

void StartupTest::bothPanesShowThePlaceholderWithoutNetwork()
{
    NewsServer primary, mirror;
    QVERIFY(primary.listen(LUMORA_TEST_PRIMARY_PORT));
    QVERIFY(mirror.listen(LUMORA_TEST_MIRROR_PORT));
    ReaderFixture reader;
    reader.start();
    QVERIFY(reader.waitForBothPanes());
    const QColor blue(0x14, 0x53, 0xBA);
    QTRY_COMPARE_WITH_TIMEOUT(centrePixel(reader.web1()), blue, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(centrePixel(reader.web2()), blue, 10000);
    QCOMPARE(reader.web1Completions().first().at(1).toString(), QUrl::fromLocalFile(reader.path("temp.htm")).toString());
    QTest::qWait(300);
    QVERIFY(primary.requests().isEmpty());
    QVERIFY(mirror.requests().isEmpty());
}

void StartupTest::unwritablePlaceholderEndsStartup()
{
    ReaderFixture reader;
    QVERIFY(QDir().mkpath(reader.path("temp.htm")));
    reader.writeFile("config.ini", "[option]\r\nwidth=500\r\nleft=3\r\n");
    ErrorBoxCatcher boxes;
    TForm1 *form = reader.start();
    QCOMPARE(boxes.texts(), QStringList{"File access denied."});
    QCOMPARE(boxes.boxes().first().title, QString("Lumora"));
    QCOMPARE(boxes.boxes().first().icon, QMessageBox::Critical);
    QVERIFY(form->isVisible());
    QCOMPARE(form->size(), QSize(779, 535)); // the settings were not read
    QCOMPARE(form->pos(), QPoint(192, 104));
    QVERIFY(runState().NewsBase.isEmpty());
    QTest::qWait(1500);
    QVERIFY(reader.web1Completions().isEmpty());
    QVERIFY(reader.web2Completions().isEmpty());
}

void StartupTest::unwritableSettingsStillClose()
{
    ReaderFixture reader;
    QVERIFY(QDir().mkpath(reader.path("config.ini")));
    ErrorBoxCatcher boxes;
    TForm1 *form = reader.start();
    QVERIFY(boxes.texts().isEmpty());
    reader.close();
    QCOMPARE(boxes.texts(), QStringList{"Unable to write to " + reader.path("config.ini") + "."});
    QVERIFY(!form->isVisible());
}

void StartupTest::copiedProgramKeepsItsFilesBesideItself()
{
    QTemporaryDir folder;
    const QString program = folder.filePath("lumora");
    QVERIFY(QFile::copy(LUMORA_BINARY, program));
    QProcess process;
    process.setWorkingDirectory(QDir::rootPath());
    process.start(program, {});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath("temp.htm")), 15000);
    QTest::qWait(1500);
    process.terminate(); // a polite request to end closes the window the ordinary way
    QVERIFY(process.waitForFinished(15000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QFile config(folder.filePath("config.ini"));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QVERIFY(config.readAll().startsWith("[option]\r\nnewsurl=http://"));
    QVERIFY(!QFile::exists(QDir::root().filePath("temp.htm")));
}

void StartupTest::skinBesideTheProgramIsApplied_data()
{
    QTest::addColumn<QByteArray>("skin");
    QTest::addColumn<bool>("restyled");
    QTest::addColumn<int>("border");
    QFile night(QStringLiteral(LUMORA_SOURCE_DIR "/resources/skins/Night.sui"));
    QVERIFY(night.open(QIODevice::ReadOnly));
    QTest::newRow("shipped dark skin") << night.readAll() << true << 2;
    QTest::newRow("not a skin") << QByteArray("\x7f\x45\x4c\x46 garbage\n\n[[[") << false << 1;
    QTest::newRow("unusable values") << QByteArray("[Frame]\nBorderWidth=-4\n[TitleBar]\nGradientStart=#xyz\n"
                                                   "GradientEnd=blue-ish\nHeight=900\n")
                                     << false << 1;
}

void StartupTest::skinBesideTheProgramIsApplied()
{
    QFETCH(QByteArray, skin);
    QFETCH(bool, restyled);
    QFETCH(int, border);
    auto titleBarPixel = [](TForm1 *form) {
        return QColor(form->grab().toImage().pixel(form->width() / 2, 5));
    };
    QColor builtIn;
    {
        ReaderFixture plain;
        builtIn = titleBarPixel(plain.start());
    }
    ReaderFixture reader;
    reader.writeFile("skin.sui", skin);
    ErrorBoxCatcher boxes;
    TForm1 *form = reader.start();
    QCOMPARE(titleBarPixel(form) != builtIn, restyled);
    QCOMPARE(form->ui()->suiForm1->borderWidth(), border);
    QCOMPARE(form->ui()->suiForm1->frameWidth(), form->width() - 2 * border);
    QVERIFY(boxes.texts().isEmpty());
    // Start-up went on after the skin.
    QCOMPARE(runState().NewsBase, PrimaryNewsBase);
    QCOMPARE(QSize(form->ui()->suiForm1->frameWidth(), form->ui()->suiForm1->frameHeight()), QSize(777, 534));
}

LUMORA_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
