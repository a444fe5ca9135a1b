#include "skin/sui_radio_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kCircleLeft = 1;
constexpr int kCircleGap = 4;
constexpr int kMaxCircle = 13;

bool isSelectKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}
} // namespace

TsuiRadioButton::TsuiRadioButton(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TsuiRadioButton::setCaption(const QString &caption) {
    m_caption = caption;
    update();
}

void TsuiRadioButton::setChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    if (!checked)
        return;
    for (TsuiRadioButton *mate : groupMates()) {
        if (mate->m_checked) {
            mate->m_checked = false;
            mate->update();
        }
    }
    emit clicked();
}

void TsuiRadioButton::setGroupIndex(int index) {
    m_groupIndex = index;
    if (!m_checked)
        return;
    // Joining a group that already has a selection: this one stays selected, quietly.
    for (TsuiRadioButton *mate : groupMates()) {
        if (mate->m_checked) {
            mate->m_checked = false;
            mate->update();
        }
    }
}

void TsuiRadioButton::setTransparent(bool transparent) {
    m_transparent = transparent;
    update();
}

void TsuiRadioButton::setFontColor(const QColor &color) {
    m_look.fontColor = color;
    update();
}

void TsuiRadioButton::applyStyle(const SkinStyle &style) {
    m_look = style.radioButton;
    update();
}

QList<TsuiRadioButton *> TsuiRadioButton::groupMates() const {
    QList<TsuiRadioButton *> mates;
    if (!parentWidget())
        return mates;
    for (TsuiRadioButton *other : parentWidget()->findChildren<TsuiRadioButton *>(Qt::FindDirectChildrenOnly))
        if (other != this && other->m_groupIndex == m_groupIndex)
            mates.append(other);
    return mates;
}

QRect TsuiRadioButton::circleRect() const {
    const int side = qBound(7, qMin(kMaxCircle, height() - 4), kMaxCircle);
    return QRect(kCircleLeft, (height() - side) / 2, side, side);
}

QRect TsuiRadioButton::captionRect() const {
    const QRect circle = circleRect();
    const int left = circle.right() + 1 + kCircleGap;
    const int textWidth = fontMetrics().horizontalAdvance(m_caption);
    const int textHeight = fontMetrics().height();
    return QRect(left, (height() - textHeight) / 2, qMin(textWidth, width() - left - 1), textHeight);
}

QSize TsuiRadioButton::sizeHint() const {
    const QRect circle = circleRect();
    return QSize(circle.right() + 1 + kCircleGap + fontMetrics().horizontalAdvance(m_caption) + 2,
                 qMax(fontMetrics().height() + 4, kMaxCircle + 4));
}

void TsuiRadioButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), surfaceColor());

    const QRect circle = circleRect();
    const QRectF outline = QRectF(circle).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(m_look.circleColor, 1));
    painter.setBrush(m_pressed ? m_look.circleFillColor.darker(110) : m_look.circleFillColor);
    painter.drawEllipse(outline);
    if (m_checked) {
        const qreal inset = circle.width() * 0.28;
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_look.checkColor);
        painter.drawEllipse(QRectF(circle).adjusted(inset, inset, -inset, -inset));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QRect text = captionRect();
    painter.setFont(font());
    painter.setPen(isEnabled() ? m_look.fontColor
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, m_caption);

    if (hasFocus()) {
        QPen dotted(m_look.focusColor, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        const QRect focus = text.adjusted(-2, 0, 1, 0).intersected(rect().adjusted(0, 0, -1, -1));
        painter.drawRect(focus);
    }
}

void TsuiRadioButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    update();
}

void TsuiRadioButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        setChecked(true);
}

void TsuiRadioButton::keyPressEvent(QKeyEvent *event) {
    if (isSelectKey(event->key())) {
        event->ignore();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TsuiRadioButton::keyReleaseEvent(QKeyEvent *event) {
    if (isSelectKey(event->key())) {
        event->ignore();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
