#pragma once
// Our skin file: plain text in sections, written by hand. README.md ("## Skins") describes it.
// Reading never fails loudly: whatever cannot be used keeps the value of the base style.
#include "skin/skin_style.h"

#include <QByteArrayView>
#include <QColor>
#include <QString>
#include <QStringView>
#include <optional>

struct SkinReadResult {
    SkinStyle style;
    bool isSkin = false; // the text had at least one known section
};

// Longer files are read only this far: a skin is a few hundred bytes.
inline constexpr qint64 kMaxSkinFileBytes = 1 << 20;

SkinReadResult parseSkin(QByteArrayView bytes, const SkinStyle &base);
SkinReadResult readSkinFile(const QString &path, const SkinStyle &base);

// "#RRGGBB", or a decimal Windows colour value 0..16777215 (0xBBGGRR).
std::optional<QColor> parseSkinColor(QStringView text);
