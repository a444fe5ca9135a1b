#include "skin/title_bar.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kRightMargin = 5;
constexpr int kButtonGap = 2;
constexpr int kCaptionLeft = 8;

void paintGlyph(QPainter &painter, const QRect &button, TitleButton kind, bool maximized,
                const QColor &color) {
    const int side = qMax(6, button.height() / 2 - 1);
    QRect glyph(0, 0, side, side);
    glyph.moveCenter(button.center());
    painter.setBrush(Qt::NoBrush);

    switch (kind) {
    case TitleButton::Close: {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::FlatCap));
        const QRectF r = QRectF(glyph).adjusted(0.5, 0.5, 0.5, 0.5);
        painter.drawLine(r.topLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomLeft());
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    }
    case TitleButton::Maximize:
        painter.setPen(QPen(color, 1));
        if (maximized) {
            const int inner = side - 3;
            const QRect back(glyph.left() + 3, glyph.top(), inner, inner);
            const QRect front(glyph.left(), glyph.top() + 3, inner, inner);
            // Only the parts of the back window that the front one does not cover.
            painter.fillRect(back.left(), back.top(), inner, 2, color);
            painter.drawLine(back.right(), back.top(), back.right(), back.bottom());
            painter.drawLine(front.right() + 1, back.bottom(), back.right(), back.bottom());
            painter.drawLine(back.left(), back.top(), back.left(), front.top() - 1);
            painter.drawRect(front.adjusted(0, 0, -1, -1));
            painter.fillRect(front.left(), front.top(), inner, 2, color);
        } else {
            painter.drawRect(glyph.adjusted(0, 0, -1, -1));
            painter.fillRect(glyph.left(), glyph.top(), side, 2, color);
        }
        break;
    case TitleButton::Minimize:
        painter.fillRect(glyph.left(), glyph.bottom() - 1, side, 2, color);
        break;
    case TitleButton::ControlBox: {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        const QPointF c = QRectF(glyph).center();
        const qreal half = side / 2.0;
        painter.drawPolygon(QPolygonF{QPointF(c.x() - half, c.y() - half / 2),
                                      QPointF(c.x() + half, c.y() - half / 2),
                                      QPointF(c.x(), c.y() + half / 2 + 1)});
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    }
    }
}

void paintButton(QPainter &painter, const QRect &rect, TitleButton kind, const SkinStyle::TitleBar &look,
                 const TitleBarState &state) {
    const bool hovered = state.hovered == kind;
    const bool pressed = hovered && state.pressed == kind;
    QColor face = hovered ? look.buttonHoverColor : look.buttonColor;
    if (pressed)
        face = face.darker(125);

    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, face.lighter(pressed ? 100 : 125));
    fill.setColorAt(1.0, face);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(face.darker(160), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintGlyph(painter, pressed ? rect.translated(1, 1) : rect, kind, state.maximized, look.buttonGlyphColor);
}
} // namespace

QRect titleButtonRect(TitleButton button, int barWidth, int barHeight) {
    const int height = qBound(12, barHeight - 10, 20);
    const int width = height + 4;
    const int top = (barHeight - height) / 2;
    int right = barWidth - kRightMargin;
    for (TitleButton kind : kTitleButtonOrder) {
        if (kind == button)
            return QRect(right - width, top, width, height);
        right -= width + kButtonGap;
    }
    return {};
}

std::optional<TitleButton> titleButtonAt(QPoint pos, int barWidth, int barHeight) {
    for (TitleButton kind : kTitleButtonOrder)
        if (titleButtonRect(kind, barWidth, barHeight).contains(pos))
            return kind;
    return std::nullopt;
}

void paintTitleBar(QPainter &painter, const QRect &bar, const SkinStyle::TitleBar &look, const QFont &font,
                   const QString &caption, const TitleBarState &state) {
    painter.save();
    painter.setClipRect(bar);
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft() + QPoint(0, 1));
    gradient.setColorAt(0.0, look.gradientStart);
    gradient.setColorAt(1.0, look.gradientEnd);
    painter.fillRect(bar, gradient);
    painter.fillRect(bar.left(), bar.top(), bar.width(), 1, look.gradientStart.lighter(130));
    painter.fillRect(bar.left(), bar.bottom(), bar.width(), 1, look.gradientEnd.darker(140));

    const QRect lastButton =
        titleButtonRect(kTitleButtonOrder[std::size(kTitleButtonOrder) - 1], bar.width(), bar.height())
            .translated(bar.topLeft());
    const QRect captionRect(bar.left() + kCaptionLeft, bar.top(), lastButton.left() - 6 - kCaptionLeft,
                            bar.height());
    if (captionRect.width() > 0) {
        painter.setFont(font);
        const QString text = QFontMetrics(font).elidedText(caption, Qt::ElideRight, captionRect.width());
        if (look.fontColor.lightness() > 128) {
            painter.setPen(QColor(0, 0, 0, 110));
            painter.drawText(captionRect.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        painter.setPen(look.fontColor);
        painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    for (TitleButton kind : kTitleButtonOrder) {
        const QRect rect = titleButtonRect(kind, bar.width(), bar.height()).translated(bar.topLeft());
        if (rect.left() > bar.left())
            paintButton(painter, rect, kind, look, state);
    }
    painter.restore();
}
