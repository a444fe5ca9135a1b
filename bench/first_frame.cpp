#include "bench/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

FirstFrameProbe::FirstFrameProbe(QWidget *window, std::function<void()> onShown)
    : m_window(window), m_onShown(std::move(onShown)) {
    // The native window does not exist before the first show; watch for it application-wide.
    QCoreApplication::instance()->installEventFilter(this);
}

FirstFrameProbe::~FirstFrameProbe() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject *watched, QEvent *event) {
    if (m_seen || event->type() != QEvent::Expose || watched != m_window->windowHandle() ||
        !m_window->windowHandle()->isExposed())
        return false;
    m_seen = true;
    // Let the window paint and flush the frame, then stamp.
    QCoreApplication::sendEvent(watched, event);
    QCoreApplication::instance()->removeEventFilter(this);
    m_onShown();
    return true;
}
