// Our skin file format: colours, the text rules, the shipped skins and the values a skin
// cannot set.
#include "skin/skin_file.h"
#include "skin/sui_file_theme.h"
#include "skin_test_support.h"

#include <QFontDatabase>
#include <QSignalSpy>
#include <QTest>

namespace {
// One value of a style by its place in the file, "Section/Key".
QVariant styleValue(const SkinStyle &style, const QString &key) {
    if (key == "Skin/Name")
        return style.name;
    if (key == "Frame/Color")
        return style.frame.color;
    if (key == "Frame/BorderWidth")
        return style.frame.borderWidth;
    if (key == "Frame/BorderColor")
        return style.frame.borderColor;
    if (key == "TitleBar/Height")
        return style.titleBar.height;
    if (key == "TitleBar/GradientStart")
        return style.titleBar.gradientStart;
    if (key == "TitleBar/FontName")
        return style.titleBar.fontName;
    if (key == "TitleBar/FontSize")
        return style.titleBar.fontSize;
    if (key == "GroupBox/FontColor")
        return style.groupBox.fontColor;
    if (key == "RadioButton/FontColor")
        return style.radioButton.fontColor;
    qFatal("no such style value %s", qPrintable(key));
}

QString installedFamily() {
    const QStringList families = QFontDatabase::families();
    return families.isEmpty() ? QString() : families.constLast();
}
} // namespace

class TestSkinFile : public QObject {
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void builtinIsDeepBlue();
    void textRules();
    void shippedSkins_data();
    void shippedSkins();
    void unusableValues_data();
    void unusableValues();
    void unusableFiles_data();
    void unusableFiles();
};

void TestSkinFile::colours_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("hex") << "#E8E8E8" << true << QColor(0xE8, 0xE8, 0xE8);
    QTest::newRow("hex lower case") << "#0a246a" << true << QColor(0x0A, 0x24, 0x6A);
    QTest::newRow("windows value is BGR") << "8388608" << true << QColor(0, 0, 128);
    QTest::newRow("windows red") << "255" << true << QColor(255, 0, 0);
    QTest::newRow("windows grey") << "15263976" << true << QColor(0xE8, 0xE8, 0xE8);
    QTest::newRow("windows white") << "16777215" << true << QColor(255, 255, 255);
    QTest::newRow("short hex") << "#E8E8E" << false << QColor();
    QTest::newRow("long hex") << "#E8E8E8E8" << false << QColor();
    QTest::newRow("not hex") << "#GG0000" << false << QColor();
    QTest::newRow("hex without mark") << "E8E8E8" << false << QColor();
    QTest::newRow("negative") << "-1" << false << QColor();
    QTest::newRow("past white") << "16777216" << false << QColor();
    QTest::newRow("name") << "red" << false << QColor();
    QTest::newRow("empty") << "" << false << QColor();
}

void TestSkinFile::colours() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QColor, expected);

    const std::optional<QColor> color = parseSkinColor(text);
    QCOMPARE(color.has_value(), valid);
    if (valid)
        QCOMPARE(*color, expected);
}

void TestSkinFile::builtinIsDeepBlue() {
    const SkinStyle &style = builtinSkinStyle();
    QCOMPARE(style.name, QStringLiteral("DeepBlue")); // read from the compiled-in file
    QCOMPARE(style.frame.color, QColor(0xE8, 0xE8, 0xE8));
    QCOMPARE(style.frame.borderWidth, 1);
    QCOMPARE(style.frame.borderColor, QColor(Qt::black));
    QCOMPARE(style.titleBar.fontName, QStringLiteral("宋体"));
    QCOMPARE(style.titleBar.font().pixelSize(), 14);
    QCOMPARE(style.titleBar.fontColor, QColor(Qt::white));
    QVERIFY2(style.titleBar.gradientEnd.blue() > 2 * style.titleBar.gradientEnd.red(),
             "title bar is not blue");
    QCOMPARE(style.groupBox.borderColor, QColor(Qt::black));
    QCOMPARE(style.radioButton.fontColor, QColor(0, 0, 128));
}

void TestSkinFile::textRules() {
    const QByteArray text = "\xEF\xBB\xBF"
                            "; a comment\r\n"
                            "# another comment\r\n"
                            "Color=#FF0000\r\n" // outside any section
                            "[skin]\r\n"
                            "name = 中文皮肤\r\n"
                            "[Unknown]\r\n"
                            "Color=#00FF00\r\n"
                            "[ FRAME ]\r\n"
                            "  color  =  #123456  \r\n"
                            "NoSuchKey=1\r\n"
                            "BorderWidth=3\r\n"
                            "BorderWidth=2\r\n"
                            "[GroupBox\r\n" // broken header: its keys belong nowhere
                            "FontColor=#00FF00\r\n"
                            "[RadioButton]\r\n"
                            "FontColor=32768\r\n";
    const SkinReadResult read = parseSkin(text, builtinSkinStyle());
    QVERIFY(read.isSkin);
    QCOMPARE(read.style.name, QStringLiteral("中文皮肤"));
    QCOMPARE(read.style.frame.color, QColor(0x12, 0x34, 0x56));
    QCOMPARE(read.style.frame.borderWidth, 2);
    QCOMPARE(read.style.groupBox.fontColor, builtinSkinStyle().groupBox.fontColor);
    QCOMPARE(read.style.radioButton.fontColor, QColor(0, 128, 0));

    const QString family = installedFamily();
    QVERIFY(!family.isEmpty());
    const QByteArray withFont = "[TitleBar]\nFontName=" + family.toUtf8() + "\n";
    QCOMPARE(parseSkin(withFont, builtinSkinStyle()).style.titleBar.fontName, family);

    // A file saved in the Chinese Windows code page.
    const QByteArray local = "[Skin]\nName=\xC9\xEE\xC0\xB6\n";
    QCOMPARE(parseSkin(local, builtinSkinStyle()).style.name, QStringLiteral("深蓝"));
}

void TestSkinFile::shippedSkins_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("DeepBlue") << "DeepBlue.sui"
                              << "DeepBlue";
    QTest::newRow("Silver") << "Silver.sui"
                            << "Silver";
    QTest::newRow("Night") << "Night.sui"
                           << "Night";
}

void TestSkinFile::shippedSkins() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = copyShippedSkin(dir, file);

    TsuiFileTheme theme;
    QSignalSpy changed(&theme, &TsuiFileTheme::themeChanged);
    theme.setThemeFile(path);
    QCOMPARE(changed.count(), 1);
    QVERIFY(theme.isLoaded());
    QCOMPARE(theme.skinStyle().name, name);
    if (name != "DeepBlue") {
        QVERIFY(theme.skinStyle().frame.color != builtinSkinStyle().frame.color);
        QVERIFY(theme.skinStyle().titleBar.gradientStart != builtinSkinStyle().titleBar.gradientStart);
        QVERIFY(theme.skinStyle().radioButton.fontColor != builtinSkinStyle().radioButton.fontColor);
    }
}

void TestSkinFile::unusableValues_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("badKey");  // keeps the built-in value
    QTest::addColumn<QString>("goodKey"); // read all the same
    QTest::addColumn<QVariant>("goodValue");

    QTest::newRow("negative border") << QByteArray("[Frame]\nBorderWidth=-3\nColor=#FF0000\n")
                                     << "Frame/BorderWidth"
                                     << "Frame/Color" << QVariant(QColor(255, 0, 0));
    QTest::newRow("border larger than a window")
        << QByteArray("[Frame]\nBorderWidth=4000\nBorderColor=#00FF00\n") << "Frame/BorderWidth"
        << "Frame/BorderColor" << QVariant(QColor(0, 255, 0));
    QTest::newRow("border not a number")
        << QByteArray("[Frame]\nBorderWidth=2px\nColor=#FF0000\n") << "Frame/BorderWidth"
        << "Frame/Color" << QVariant(QColor(255, 0, 0));
    QTest::newRow("unparseable colour")
        << QByteArray("[Frame]\nColor=reddish\nBorderWidth=3\n") << "Frame/Color"
        << "Frame/BorderWidth" << QVariant(3);
    QTest::newRow("font not installed")
        << QByteArray("[TitleBar]\nFontName=NoSuchFamilyLumoraXyz\nFontSize=16\n") << "TitleBar/FontName"
        << "TitleBar/FontSize" << QVariant(16);
    QTest::newRow("absurd font size")
        << QByteArray("[TitleBar]\nFontSize=900\nGradientStart=#010203\n") << "TitleBar/FontSize"
        << "TitleBar/GradientStart" << QVariant(QColor(1, 2, 3));
    QTest::newRow("title bar taller than the design allows")
        << QByteArray("[TitleBar]\nHeight=500\nFontSize=12\n") << "TitleBar/Height"
        << "TitleBar/FontSize" << QVariant(12);
    QTest::newRow("title bar too low")
        << QByteArray("[TitleBar]\nHeight=2\nFontSize=12\n") << "TitleBar/Height"
        << "TitleBar/FontSize" << QVariant(12);
    QTest::newRow("empty name") << QByteArray("[Skin]\nName=\n[GroupBox]\nFontColor=#0000FF\n") << "Skin/Name"
                                << "GroupBox/FontColor" << QVariant(QColor(0, 0, 255));
}

void TestSkinFile::unusableValues() {
    QFETCH(QByteArray, text);
    QFETCH(QString, badKey);
    QFETCH(QString, goodKey);
    QFETCH(QVariant, goodValue);
    QTemporaryDir dir;

    TsuiFileTheme theme;
    theme.setThemeFile(writeTestFile(dir, "skin.sui", text));
    QVERIFY(theme.isLoaded());
    QCOMPARE(styleValue(theme.skinStyle(), badKey), styleValue(builtinSkinStyle(), badKey));
    QCOMPARE(styleValue(theme.skinStyle(), goodKey), goodValue);
}

void TestSkinFile::unusableFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");

    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919 + 13) % 256);
    junk.replace(100, 23, "\n[Frame]\nColor=#FF0000\n");

    // The skin starts only past the part that is read.
    QByteArray huge;
    while (huge.size() < kMaxSkinFileBytes + 1000)
        huge += "; padding padding padding padding padding padding padding padding\n";
    huge += "[Frame]\nColor=#FF0000\n";

    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("binary junk") << junk << true;
    QTest::newRow("huge") << huge << true;
    QTest::newRow("not a skin") << QByteArray("<html><body>Color=#FF0000</body></html>\n") << true;
}

void TestSkinFile::unusableFiles() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = exists ? writeTestFile(dir, "skin.sui", content) : dir.filePath("absent.sui");

    TsuiFileTheme theme;
    theme.setThemeFile(copyShippedSkin(dir, "Night.sui"));
    QSignalSpy changed(&theme, &TsuiFileTheme::themeChanged);
    theme.setThemeFile(path);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!theme.isLoaded());
    QCOMPARE(theme.themeFile(), path);
    QCOMPARE(theme.skinStyle().name, builtinSkinStyle().name);
    QCOMPARE(theme.skinStyle().frame.color, builtinSkinStyle().frame.color);
    QCOMPARE(theme.skinStyle().titleBar.gradientStart, builtinSkinStyle().titleBar.gradientStart);
}

QTEST_MAIN(TestSkinFile)
#include "tst_skin_file.moc"
