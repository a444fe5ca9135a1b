#pragma once
// A picture that can be clicked, like the save icon under the headline pane.
#include <QPixmap>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit TImage(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitToPicture();

    QPixmap m_picture;
    bool m_autoSize = false;
    bool m_pressed = false;
};
