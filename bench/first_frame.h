#pragma once
// Tells when a window has first been shown: its native window's first expose, after the window
// has painted that frame and handed it to the display.
#include <QObject>
#include <functional>

class QWidget;

class FirstFrameProbe : public QObject {
public:
    FirstFrameProbe(QWidget *window, std::function<void()> onShown);
    ~FirstFrameProbe() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window = nullptr;
    std::function<void()> m_onShown;
    bool m_seen = false;
};
