#include "skin/sui_group_box.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;
} // namespace

TsuiGroupBox::TsuiGroupBox(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TsuiGroupBox::setCaption(const QString &caption) {
    m_caption = caption;
    update();
}

void TsuiGroupBox::setBorderColor(const QColor &color) {
    m_look.borderColor = color;
    update();
}

void TsuiGroupBox::setFontColor(const QColor &color) {
    m_look.fontColor = color;
    update();
}

void TsuiGroupBox::applyStyle(const SkinStyle &style) {
    m_look = style.groupBox;
    update();
}

void TsuiGroupBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), surfaceColor());

    const QFontMetrics metrics(font());
    const int lineY = m_caption.isEmpty() ? 0 : metrics.height() / 2;
    painter.setPen(m_look.borderColor);
    painter.drawRect(QRect(0, lineY, width(), height() - lineY).adjusted(0, 0, -1, -1));
    if (m_caption.isEmpty())
        return;

    const int room = width() - 2 * kCaptionLeft - 2 * kCaptionPadding;
    if (room <= 0)
        return;
    const QString text = metrics.elidedText(m_caption, Qt::ElideRight, room);
    const QRect textRect(kCaptionLeft + kCaptionPadding, 0, metrics.horizontalAdvance(text),
                         metrics.height());
    // The caption breaks the top edge.
    painter.fillRect(textRect.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0), surfaceColor());
    painter.setFont(font());
    painter.setPen(m_look.fontColor);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
}
