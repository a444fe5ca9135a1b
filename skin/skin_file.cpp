#include "skin/skin_file.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringDecoder>

namespace {
constexpr int kMaxNameLength = 64;

bool setColor(QColor &target, QStringView value) {
    const std::optional<QColor> color = parseSkinColor(value);
    if (!color)
        return false;
    target = *color;
    return true;
}

bool setNumber(int &target, QStringView value, int lowest, int highest) {
    bool ok = false;
    const int number = value.toInt(&ok, 10);
    if (!ok || number < lowest || number > highest)
        return false;
    target = number;
    return true;
}

bool fontInstalled(const QString &family) {
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

bool setFontName(QString &target, QStringView value) {
    const QString family = value.toString();
    if (family.isEmpty() || family.size() > kMaxNameLength || !fontInstalled(family))
        return false;
    target = family;
    return true;
}

bool setName(QString &target, QStringView value) {
    if (value.isEmpty() || value.size() > kMaxNameLength)
        return false;
    for (QChar c : value)
        if (!c.isPrint())
            return false;
    target = value.toString();
    return true;
}

using Setter = bool (*)(SkinStyle &, QStringView);
struct Key {
    QLatin1StringView section;
    QLatin1StringView key;
    Setter set;
};

using L = QLatin1StringView;
const Key kKeys[] = {
    {L("Skin"), L("Name"), [](SkinStyle &s, QStringView v) { return setName(s.name, v); }},

    {L("Frame"), L("Color"), [](SkinStyle &s, QStringView v) { return setColor(s.frame.color, v); }},
    {L("Frame"), L("BorderWidth"),
     [](SkinStyle &s, QStringView v) {
         return setNumber(s.frame.borderWidth, v, 0, SkinStyle::kMaxBorderWidth);
     }},
    {L("Frame"), L("BorderColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.frame.borderColor, v); }},

    {L("TitleBar"), L("Height"),
     [](SkinStyle &s, QStringView v) {
         return setNumber(s.titleBar.height, v, SkinStyle::kMinTitleBarHeight, SkinStyle::kMaxTitleBarHeight);
     }},
    {L("TitleBar"), L("GradientStart"),
     [](SkinStyle &s, QStringView v) { return setColor(s.titleBar.gradientStart, v); }},
    {L("TitleBar"), L("GradientEnd"),
     [](SkinStyle &s, QStringView v) { return setColor(s.titleBar.gradientEnd, v); }},
    {L("TitleBar"), L("FontName"),
     [](SkinStyle &s, QStringView v) { return setFontName(s.titleBar.fontName, v); }},
    {L("TitleBar"), L("FontSize"),
     [](SkinStyle &s, QStringView v) {
         return setNumber(s.titleBar.fontSize, v, SkinStyle::kMinFontSize, SkinStyle::kMaxFontSize);
     }},
    {L("TitleBar"), L("FontColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.titleBar.fontColor, v); }},
    {L("TitleBar"), L("ButtonColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.titleBar.buttonColor, v); }},
    {L("TitleBar"), L("ButtonHoverColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.titleBar.buttonHoverColor, v); }},
    {L("TitleBar"), L("ButtonGlyphColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.titleBar.buttonGlyphColor, v); }},

    {L("GroupBox"), L("BorderColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.groupBox.borderColor, v); }},
    {L("GroupBox"), L("FontColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.groupBox.fontColor, v); }},
    {L("GroupBox"), L("CaptionColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.groupBox.fontColor, v); }},

    {L("RadioButton"), L("FontColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.radioButton.fontColor, v); }},
    {L("RadioButton"), L("CircleColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.radioButton.circleColor, v); }},
    {L("RadioButton"), L("CircleFillColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.radioButton.circleFillColor, v); }},
    {L("RadioButton"), L("CheckColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.radioButton.checkColor, v); }},
    {L("RadioButton"), L("FocusColor"),
     [](SkinStyle &s, QStringView v) { return setColor(s.radioButton.focusColor, v); }},
};

bool knownSection(QStringView section) {
    for (const Key &key : kKeys)
        if (section.compare(key.section, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Skins are UTF-8; a file saved by a Chinese Windows editor in the local code page is read as GB18030.
QString decode(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb18030("GB18030");
    if (gb18030.isValid()) {
        const QString local = gb18030(bytes);
        if (!gb18030.hasError())
            return local;
    }
    return text;
}
} // namespace

std::optional<QColor> parseSkinColor(QStringView text) {
    if (text.startsWith(u'#')) {
        if (text.size() != 7)
            return std::nullopt;
        bool ok = false;
        const uint rgb = text.sliced(1).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return QColor::fromRgb(QRgb(rgb));
    }
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const uint bgr = text.toUInt();
    if (bgr > 0xFFFFFF)
        return std::nullopt;
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

SkinReadResult parseSkin(QByteArrayView bytes, const SkinStyle &base) {
    SkinReadResult result{base, false};
    if (bytes.contains('\0'))
        return result;

    const QString text = decode(bytes);
    QString section;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']')) {
                section.clear();
                continue;
            }
            section = line.sliced(1, line.size() - 2).trimmed().toString();
            if (knownSection(section))
                result.isSkin = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || section.isEmpty())
            continue;
        const QStringView name = line.first(equals).trimmed();
        const QStringView value = line.sliced(equals + 1).trimmed();
        for (const Key &key : kKeys) {
            if (section.compare(key.section, Qt::CaseInsensitive) == 0 &&
                name.compare(key.key, Qt::CaseInsensitive) == 0) {
                key.set(result.style, value);
                break;
            }
        }
    }
    return result;
}

SkinReadResult readSkinFile(const QString &path, const SkinStyle &base) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {base, false};
    QByteArray bytes = file.read(kMaxSkinFileBytes);
    // A cut-off last line could hold half a value: drop it.
    if (!file.atEnd()) {
        const qsizetype lastBreak = bytes.lastIndexOf('\n');
        bytes.truncate(lastBreak < 0 ? 0 : lastBreak);
    }
    return parseSkin(bytes, base);
}
