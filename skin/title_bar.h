#pragma once
// Layout and drawing of the skinned frame's title bar.
#include "skin/skin_style.h"

#include <QRect>
#include <QString>
#include <optional>

class QPainter;

enum class TitleButton { ControlBox, Close, Maximize, Minimize };

// From the right edge leftwards.
inline constexpr TitleButton kTitleButtonOrder[] = {TitleButton::ControlBox, TitleButton::Close,
                                                    TitleButton::Maximize, TitleButton::Minimize};

QRect titleButtonRect(TitleButton button, int barWidth, int barHeight);
std::optional<TitleButton> titleButtonAt(QPoint pos, int barWidth, int barHeight);

struct TitleBarState {
    std::optional<TitleButton> hovered;
    std::optional<TitleButton> pressed;
    bool maximized = false;
};

void paintTitleBar(QPainter &painter, const QRect &bar, const SkinStyle::TitleBar &look, const QFont &font,
                   const QString &caption, const TitleBarState &state);
