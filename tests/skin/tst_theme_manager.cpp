// The theme manager over a window laid out like the reader's: shipped skins reach the listed
// controls only, and bad skin files leave the built-in look and a usable window.
#include "error_box_catcher.h"
#include "skin/skin_file.h"
#include "skin_test_support.h"
#include "ui_skin_test_window.h"

#include <QTest>

namespace {
struct TestWindow {
    TestWindow() {
        ui.setupUi(&window);
        ui.manager->setFileTheme(ui.theme);
    }
    bool show() {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    QRect expectedFrameGeometry() const {
        const int b = ui.frame->borderWidth();
        return QRect(b, 0, window.width() - 2 * b, window.height() - b);
    }
    // A point of the window inside the title bar, clear of caption and buttons.
    QPoint titlePoint(int y) const { return QPoint(ui.frame->x() + ui.frame->width() / 2, y); }

    QWidget window;
    Ui::SkinTestWindow ui;
};

QColor radioCentre(TsuiRadioButton *radio) {
    return pixelAt(radio, radio->circleRect().center());
}
} // namespace

class TestThemeManager : public QObject {
    Q_OBJECT

private slots:
    void designValuesAndHiddenHelpers();
    void shippedSkinsReachListedControlsOnly_data();
    void shippedSkinsReachListedControlsOnly();
    void badSkinLeavesBuiltinLook_data();
    void badSkinLeavesBuiltinLook();
};

void TestThemeManager::designValuesAndHiddenHelpers() {
    TestWindow w;
    QVERIFY(w.show());
    QCOMPARE(w.ui.frame->caption(), QStringLiteral("Lumora V1.21"));
    QCOMPARE(w.ui.manager->componentList().size(), 6);
    QCOMPARE(w.ui.radio2->caption(), QStringLiteral("体育"));
    QCOMPARE(w.ui.loneRadio->fontColor(), QColor(0, 0, 128));
    QCOMPARE(w.ui.frame->geometry(), w.expectedFrameGeometry());

    for (QWidget *helper : {static_cast<QWidget *>(w.ui.manager), static_cast<QWidget *>(w.ui.theme)}) {
        helper->show();
        QVERIFY(!helper->isVisible());
        QCOMPARE(helper->size(), QSize(0, 0));
    }
}

void TestThemeManager::shippedSkinsReachListedControlsOnly_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("Silver") << "Silver.sui";
    QTest::newRow("Night") << "Night.sui";
    QTest::newRow("DeepBlue") << "DeepBlue.sui";
}

void TestThemeManager::shippedSkinsReachListedControlsOnly() {
    QFETCH(QString, file);
    QTemporaryDir dir;
    const SkinStyle skin = readSkinFile(copyShippedSkin(dir, file), SkinStyle{}).style;
    const SkinStyle &builtin = builtinSkinStyle();
    TestWindow w;
    QVERIFY(w.show());

    w.ui.theme->setThemeFile(dir.filePath(file));
    QVERIFY(w.ui.theme->isLoaded());

    // What the controls hold.
    TsuiForm *frame = w.ui.frame;
    QCOMPARE(frame->color(), skin.frame.color);
    QCOMPARE(frame->borderWidth(), skin.frame.borderWidth);
    QCOMPARE(frame->titleBarHeight(), skin.titleBar.height);
    QCOMPARE(frame->titleBarLook().gradientStart, skin.titleBar.gradientStart);
    QCOMPARE(frame->titleFontColor(), skin.titleBar.fontColor);
    QCOMPARE(w.ui.group->borderColor(), skin.groupBox.borderColor);
    QCOMPARE(w.ui.group->fontColor(), skin.groupBox.fontColor);
    for (TsuiRadioButton *radio : {w.ui.radio1, w.ui.radio2, w.ui.radio3})
        QCOMPARE(radio->fontColor(), skin.radioButton.fontColor);
    QCOMPARE(w.ui.loneRadio->fontColor(), builtin.radioButton.fontColor);
    QCOMPARE(w.ui.loneGroup->borderColor(), builtin.groupBox.borderColor);
    QTRY_COMPARE(frame->geometry(), w.expectedFrameGeometry());

    // What they look like.
    const int titleMiddle = skin.titleBar.height / 2;
    const QImage image = w.window.grab().toImage();
    const QColor title = image.pixelColor(w.titlePoint(titleMiddle));
    QVERIFY2(colorNear(title, titleGradientAt(skin.titleBar, titleMiddle), 8), qPrintable(colorText(title)));
    QCOMPARE(image.pixelColor(0, 200), skin.frame.borderColor);
    QCOMPARE(image.pixelColor(frame->x() + 4, 100), skin.frame.color);
    QCOMPARE(image.pixelColor(frame->mapTo(&w.window, w.ui.group->geometry().topLeft() + QPoint(0, 60))),
             skin.groupBox.borderColor);
    QCOMPARE(image.pixelColor(frame->mapTo(&w.window, w.ui.loneGroup->geometry().topLeft() + QPoint(0, 60))),
             builtin.groupBox.borderColor);
    // Selectors stand on the skinned colour, listed or not.
    for (TsuiRadioButton *radio : {w.ui.radio1, w.ui.loneRadio})
        QCOMPARE(pixelAt(radio, QPoint(radio->width() - 1, 0)), skin.frame.color);
    w.ui.radio1->setChecked(true);
    QCOMPARE(radioCentre(w.ui.radio1), skin.radioButton.checkColor);
    w.ui.loneRadio->setChecked(true);
    QCOMPARE(radioCentre(w.ui.loneRadio), builtin.radioButton.checkColor);

    // No file: back to the built-in style.
    w.ui.theme->setThemeFile(QString());
    QCOMPARE(frame->color(), builtin.frame.color);
    QCOMPARE(w.ui.radio1->fontColor(), builtin.radioButton.fontColor);
}

void TestThemeManager::badSkinLeavesBuiltinLook_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");

    QByteArray junk(64 * 1024, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 2654435761u) >> 13);
    QByteArray huge(3 * kMaxSkinFileBytes, 'x');
    for (qsizetype i = 80; i < huge.size(); i += 81)
        huge[i] = '\n';

    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("binary junk") << junk << true;
    QTest::newRow("huge") << huge << true;
    QTest::newRow("negative border") << QByteArray("[Frame]\nBorderWidth=-5\n") << true;
    QTest::newRow("unparseable colours")
        << QByteArray("[TitleBar]\nGradientStart=#XYZXYZ\nGradientEnd=blue\n[Frame]\nBorderColor=#12\n")
        << true;
    QTest::newRow("font not installed") << QByteArray("[TitleBar]\nFontName=NoSuchFamilyLumoraXyz\n") << true;
    QTest::newRow("border larger than the window") << QByteArray("[Frame]\nBorderWidth=100000\n") << true;
    QTest::newRow("title bar larger than the window") << QByteArray("[TitleBar]\nHeight=100000\n") << true;
}

void TestThemeManager::badSkinLeavesBuiltinLook() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = exists ? writeTestFile(dir, "skin.sui", content) : dir.filePath("skin.sui");
    const SkinStyle &builtin = builtinSkinStyle();
    ErrorBoxCatcher boxes;
    TestWindow w;
    QVERIFY(w.show());
    w.ui.theme->setThemeFile(copyShippedSkin(dir, "Night.sui"));

    w.ui.theme->setThemeFile(path);
    TsuiForm *frame = w.ui.frame;
    QCOMPARE(frame->borderWidth(), builtin.frame.borderWidth);
    QCOMPARE(frame->borderColor(), builtin.frame.borderColor);
    QCOMPARE(frame->titleBarHeight(), builtin.titleBar.height);
    QCOMPARE(frame->titleBarLook().gradientStart, builtin.titleBar.gradientStart);
    QCOMPARE(frame->titleBarLook().gradientEnd, builtin.titleBar.gradientEnd);
    QCOMPARE(frame->titleFont().family(), builtin.titleBar.fontName);
    QTRY_COMPARE(frame->geometry(), w.expectedFrameGeometry());

    const QColor title = pixelAt(&w.window, w.titlePoint(5));
    QVERIFY2(colorNear(title, titleGradientAt(builtin.titleBar, 5), 8), qPrintable(colorText(title)));
    QCOMPARE(pixelAt(&w.window, QPoint(frame->x() + 4, 100)), builtin.frame.color);
    QVERIFY(w.window.isVisible());
    QTest::qWait(20);
    QVERIFY(boxes.boxes().isEmpty());
}

QTEST_MAIN(TestThemeManager)
#include "tst_theme_manager.moc"
