#pragma once
// The look of the skinned controls, as one value. A skin file (see skin_file.h) fills it in;
// the built-in "DeepBlue" style is such a file compiled into the program.
#include <QColor>
#include <QFont>
#include <QString>

struct SkinStyle {
    // Bounds of the numbers a style may hold; the controls clamp to them as well.
    static constexpr int kMaxBorderWidth = 8;
    static constexpr int kMinTitleBarHeight = 18;
    static constexpr int kMaxTitleBarHeight = 32; // the design's first control sits at top 32
    static constexpr int kMinFontSize = 8;
    static constexpr int kMaxFontSize = 24;

    struct Frame {
        QColor color{0xE8, 0xE8, 0xE8};
        int borderWidth = 1;
        QColor borderColor{0x00, 0x00, 0x00};
    };
    struct TitleBar {
        int height = 30;
        QColor gradientStart{0x3A, 0x6E, 0xC8};
        QColor gradientEnd{0x0A, 0x24, 0x6A};
        QString fontName = QStringLiteral("宋体");
        int fontSize = 14; // pixels
        QColor fontColor{0xFF, 0xFF, 0xFF};
        QColor buttonColor{0x24, 0x50, 0xA8};
        QColor buttonHoverColor{0x4A, 0x86, 0xE0};
        QColor buttonGlyphColor{0xFF, 0xFF, 0xFF};

        QFont font() const;
    };
    struct GroupBox {
        QColor borderColor{0x00, 0x00, 0x00};
        QColor fontColor{0x00, 0x00, 0x00};
    };
    struct RadioButton {
        QColor fontColor{0x00, 0x00, 0x80};
        QColor circleColor{0x40, 0x40, 0x40};
        QColor circleFillColor{0xFF, 0xFF, 0xFF};
        QColor checkColor{0x00, 0x00, 0x80};
        QColor focusColor{0x00, 0x00, 0x80};
    };

    // Empty only for the compiled-in fallback used when the built-in file cannot be read.
    QString name;
    Frame frame;
    TitleBar titleBar;
    GroupBox groupBox;
    RadioButton radioButton;
};

// The built-in style, read once from :/skins/DeepBlue.sui.
const SkinStyle &builtinSkinStyle();
