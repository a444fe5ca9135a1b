#include "controls/image.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    fitToPicture();
    update();
}

void TImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToPicture();
}

void TImage::fitToPicture()
{
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
