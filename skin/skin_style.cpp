#include "skin/skin_style.h"

#include "skin/skin_file.h"

QFont SkinStyle::TitleBar::font() const {
    QFont font(fontName);
    font.setPixelSize(fontSize);
    return font;
}

const SkinStyle &builtinSkinStyle() {
    static const SkinStyle style = readSkinFile(QStringLiteral(":/skins/DeepBlue.sui"), SkinStyle{}).style;
    return style;
}
