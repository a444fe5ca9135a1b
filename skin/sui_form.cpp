#include "skin/sui_form.h"

#include <QScreen>

#include "skin/window_edges.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TsuiForm::TsuiForm(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_controlMenu = new QMenu(this);
    m_controlMenu->addAction(QStringLiteral("还原"), this, [this] { window()->showNormal(); });
    m_controlMenu->addAction(QStringLiteral("最小化"), this, [this] { window()->showMinimized(); });
    m_controlMenu->addAction(QStringLiteral("最大化"), this, [this] { window()->showMaximized(); });
    m_controlMenu->addSeparator();
    m_controlMenu->addAction(QStringLiteral("关闭"), this, [this] { window()->close(); });
    connect(m_controlMenu, &QMenu::aboutToShow, this, &TsuiForm::updateControlMenu);

    attachToWindow();
}

TsuiForm::~TsuiForm() {
    if (m_host && m_ownsMask)
        m_host->clearMask();
}

void TsuiForm::setCaption(const QString &caption) {
    m_caption = caption;
    update(titleBarRect());
}

void TsuiForm::setBorderWidth(int width) {
    m_frame.borderWidth = qBound(0, width, SkinStyle::kMaxBorderWidth);
    followWindow();
}

void TsuiForm::setBorderColor(const QColor &color) {
    m_frame.borderColor = color;
    if (m_host)
        m_host->update();
}

void TsuiForm::setColor(const QColor &color) {
    m_frame.color = color;
    update();
}

void TsuiForm::setTitleFont(const QFont &font) {
    m_titleFont = font;
    update(titleBarRect());
}

void TsuiForm::setTitleFontColor(const QColor &color) {
    m_title.fontColor = color;
    update(titleBarRect());
}

void TsuiForm::setTitleBarHeight(int height) {
    m_title.height = qBound(SkinStyle::kMinTitleBarHeight, height, SkinStyle::kMaxTitleBarHeight);
    update();
}

void TsuiForm::setRoundCorner(int radius) {
    m_roundCorner = qBound(0, radius, kMaxRoundCorner);
    updateCornerMask();
}

// Until the frame has taken over its window, its own (design) size is the frame's size.
int TsuiForm::frameWidth() const {
    return m_host && m_tookOver ? m_host->width() - 2 * m_frame.borderWidth : width();
}

int TsuiForm::frameHeight() const {
    return m_host && m_tookOver ? m_host->height() - m_frame.borderWidth : height();
}

void TsuiForm::takeOverWindowSize() {
    if (!m_host || m_tookOver)
        return;
    m_tookOver = true;
    m_host->resize(width() + 2 * m_frame.borderWidth, height() + m_frame.borderWidth);
}

// Like the window system's largest tracking size: a little more than the whole desktop.
// Sizes beyond it (from a settings file, say) would only ask for a huge backing store.
static int boundedExtent(qint64 extent, int desktopExtent) {
    return int(qBound<qint64>(0, extent, qint64(desktopExtent) + 12));
}

void TsuiForm::setFrameWidth(int width) {
    takeOverWindowSize();
    if (!m_host) {
        resize(width, height());
        return;
    }
    const int desktop = m_host->screen() ? m_host->screen()->virtualSize().width() : 32767;
    m_host->resize(boundedExtent(qint64(width) + 2 * m_frame.borderWidth, desktop), m_host->height());
}

void TsuiForm::setFrameHeight(int height) {
    takeOverWindowSize();
    if (!m_host) {
        resize(width(), height);
        return;
    }
    const int desktop = m_host->screen() ? m_host->screen()->virtualSize().height() : 32767;
    m_host->resize(m_host->width(), boundedExtent(qint64(height) + m_frame.borderWidth, desktop));
}

QRect TsuiForm::titleBarRect() const {
    return QRect(0, 0, width(), qMin(m_title.height, height()));
}

QRect TsuiForm::titleButtonRect(TitleButton button) const {
    const QRect bar = titleBarRect();
    return ::titleButtonRect(button, bar.width(), bar.height());
}

void TsuiForm::applyStyle(const SkinStyle &style) {
    m_frame = style.frame;
    m_frame.borderWidth = qBound(0, m_frame.borderWidth, SkinStyle::kMaxBorderWidth);
    m_title = style.titleBar;
    m_title.height = qBound(SkinStyle::kMinTitleBarHeight, m_title.height, SkinStyle::kMaxTitleBarHeight);
    m_titleFont = m_title.font();
    m_menuBarColor = m_frame.color;
    followWindow();
    if (m_host)
        m_host->update();
    update();
}

void TsuiForm::attachToWindow() {
    QWidget *parent = parentWidget();
    QWidget *host = parent && parent->isWindow() ? parent : nullptr;
    if (host == m_host)
        return;
    if (m_host) {
        m_host->removeEventFilter(this);
        if (m_ownsMask)
            m_host->clearMask();
        m_ownsMask = false;
    }
    m_host = host;
    if (!host)
        return;

    if (!host->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const bool visible = host->isVisible();
        host->setWindowFlag(Qt::FramelessWindowHint, true);
        if (visible)
            host->show();
    }
    host->setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    host->setMouseTracking(true);
    host->installEventFilter(this);
    followWindow();
}

void TsuiForm::followWindow() {
    if (!m_host || !m_tookOver)
        return;
    const int b = m_frame.borderWidth;
    const QRect wanted(b, 0, qMax(0, m_host->width() - 2 * b), qMax(0, m_host->height() - b));
    if (geometry() != wanted) {
        setGeometry(wanted);
        m_host->update(QRegion(m_host->rect()).subtracted(wanted));
    }
    updateCornerMask();
}

void TsuiForm::updateCornerMask() {
    if (!m_host)
        return;
    const bool square =
        m_roundCorner == 0 || (m_host->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (square) {
        if (m_ownsMask)
            m_host->clearMask();
        m_ownsMask = false;
        return;
    }
    const int r = m_roundCorner;
    const int w = m_host->width();
    const QRegion corners = QRegion(0, 0, r, r) + QRegion(w - r, 0, r, r);
    const QRegion rounds =
        QRegion(0, 0, 2 * r, 2 * r, QRegion::Ellipse) + QRegion(w - 2 * r, 0, 2 * r, 2 * r, QRegion::Ellipse);
    m_host->setMask(QRegion(m_host->rect()).subtracted(corners) + corners.intersected(rounds));
    m_ownsMask = true;
}

void TsuiForm::paintBorder() {
    const int b = m_frame.borderWidth;
    if (b <= 0)
        return;
    QPainter painter(m_host);
    const int w = m_host->width();
    const int h = m_host->height();
    painter.fillRect(0, 0, b, h, m_frame.borderColor);
    painter.fillRect(w - b, 0, b, h, m_frame.borderColor);
    painter.fillRect(0, h - b, w, b, m_frame.borderColor);
}

bool TsuiForm::event(QEvent *event) {
    switch (event->type()) {
    case QEvent::ParentChange:
        attachToWindow();
        break;
    case QEvent::Polish:
        takeOverWindowSize();
        followWindow();
        break;
    case QEvent::Show:
        followWindow();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool TsuiForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_host)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
        followWindow();
        break;
    case QEvent::WindowStateChange:
        endDrag();
        updateCornerMask();
        update(titleBarRect());
        break;
    case QEvent::Paint:
        paintBorder();
        break;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            beginResize(mouse->position().toPoint(), mouse->globalPosition().toPoint()))
            return true;
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_drag != Drag::None) {
            dragTo(mouse->globalPosition().toPoint());
            return true;
        }
        showEdgeCursor(m_host, edgesAt(mouse->position().toPoint()));
        break;
    }
    case QEvent::MouseButtonRelease:
        if (m_drag != Drag::None) {
            endDrag();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void TsuiForm::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect bar = titleBarRect();
    painter.fillRect(QRect(0, bar.height(), width(), height() - bar.height()), m_frame.color);
    if (bar.height() > 0)
        paintTitleBar(painter, bar, m_title, m_titleFont, m_caption,
                      {m_hovered, m_pressed, window()->isMaximized()});
}

Qt::Edges TsuiForm::edgesAt(QPoint windowPos) const {
    if (!m_host || (m_host->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return {};
    return resizeEdgesAt(windowPos, m_host->size());
}

bool TsuiForm::beginResize(QPoint windowPos, QPoint globalPos) {
    const Qt::Edges edges = edgesAt(windowPos);
    if (!edges)
        return false;
    m_dragEdges = edges;
    m_pressGlobal = globalPos;
    m_pressGeometry = m_host->geometry();
    QWindow *handle = m_host->windowHandle();
    m_drag = handle && handle->startSystemResize(edges) ? Drag::None : Drag::Resize;
    return true;
}

void TsuiForm::beginMove(QPoint globalPos) {
    if (!m_host || m_host->isMaximized())
        return;
    m_pressGlobal = globalPos;
    m_pressGeometry = m_host->geometry();
    // Moving starts only past the drag distance, so that a double click still reaches us.
    m_drag = Drag::PendingMove;
}

void TsuiForm::dragTo(QPoint globalPos) {
    const QPoint delta = globalPos - m_pressGlobal;
    switch (m_drag) {
    case Drag::None:
        return;
    case Drag::PendingMove: {
        if (delta.manhattanLength() < QApplication::startDragDistance())
            return;
        QWindow *handle = m_host->windowHandle();
        if (handle && handle->startSystemMove()) {
            m_drag = Drag::None;
            return;
        }
        m_drag = Drag::Move;
        [[fallthrough]];
    }
    case Drag::Move:
        m_host->move(m_pressGeometry.topLeft() + delta);
        return;
    case Drag::Resize:
        m_host->setGeometry(resizedGeometry(m_pressGeometry, m_dragEdges, delta, m_host->minimumSize()));
        return;
    }
}

void TsuiForm::endDrag() {
    m_drag = Drag::None;
}

void TsuiForm::mousePressEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    const QPoint windowPos = m_host ? pos + geometry().topLeft() : pos;
    const QPoint globalPos = event->globalPosition().toPoint();
    const QRect bar = titleBarRect();

    if (event->button() == Qt::RightButton && bar.contains(pos)) {
        m_controlMenu->popup(globalPos);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (beginResize(windowPos, globalPos))
        return;
    if (!bar.contains(pos))
        return;
    if (const std::optional<TitleButton> button = titleButtonAt(pos, bar.width(), bar.height())) {
        m_pressed = button;
        setHovered(button);
        update(bar);
        return;
    }
    beginMove(globalPos);
}

void TsuiForm::mouseMoveEvent(QMouseEvent *event) {
    if (m_drag != Drag::None) {
        dragTo(event->globalPosition().toPoint());
        return;
    }
    const QPoint pos = event->position().toPoint();
    const Qt::Edges edges = edgesAt(m_host ? pos + geometry().topLeft() : pos);
    showEdgeCursor(this, edges);
    const QRect bar = titleBarRect();
    setHovered(bar.contains(pos) && !edges ? titleButtonAt(pos, bar.width(), bar.height()) : std::nullopt);
}

void TsuiForm::mouseReleaseEvent(QMouseEvent *event) {
    endDrag();
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const TitleButton pressed = *m_pressed;
    m_pressed.reset();
    update(titleBarRect());
    const QRect bar = titleBarRect();
    if (titleButtonAt(event->position().toPoint(), bar.width(), bar.height()) == pressed)
        triggerButton(pressed);
}

void TsuiForm::mouseDoubleClickEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    const QRect bar = titleBarRect();
    const bool onCaption = event->button() == Qt::LeftButton && bar.contains(pos) &&
                           !titleButtonAt(pos, bar.width(), bar.height()) &&
                           !edgesAt(m_host ? pos + geometry().topLeft() : pos);
    if (onCaption) {
        endDrag();
        toggleMaximized();
        return;
    }
    // Anything else counts as one more press (a quick second click on a button).
    mousePressEvent(event);
}

void TsuiForm::leaveEvent(QEvent *event) {
    setHovered(std::nullopt);
    QWidget::leaveEvent(event);
}

// The resize cursor goes on the native window, not on a widget: a widget's cursor would be
// inherited by its children and stay on when the pointer moves into one of them.
void TsuiForm::showEdgeCursor(const QWidget *under, Qt::Edges edges) {
    if (QWindow *handle = m_host ? m_host->windowHandle() : nullptr)
        handle->setCursor(edges ? QCursor(cursorForEdges(edges)) : under->cursor());
}

void TsuiForm::setHovered(std::optional<TitleButton> button) {
    if (m_hovered == button)
        return;
    m_hovered = button;
    update(titleBarRect());
}

void TsuiForm::triggerButton(TitleButton button) {
    switch (button) {
    case TitleButton::ControlBox:
        showControlMenu();
        break;
    case TitleButton::Close:
        window()->close();
        break;
    case TitleButton::Maximize:
        toggleMaximized();
        break;
    case TitleButton::Minimize:
        window()->showMinimized();
        break;
    }
}

void TsuiForm::toggleMaximized() {
    QWidget *w = window();
    if (w->isMaximized())
        w->showNormal();
    else
        w->showMaximized();
    update(titleBarRect());
}

void TsuiForm::updateControlMenu() {
    const QList<QAction *> actions = m_controlMenu->actions();
    const Qt::WindowStates state = window()->windowState();
    actions[0]->setEnabled(state & (Qt::WindowMaximized | Qt::WindowMinimized));
    actions[1]->setEnabled(!(state & Qt::WindowMinimized));
    actions[2]->setEnabled(!(state & Qt::WindowMaximized));
}

void TsuiForm::showControlMenu() {
    const QRect button = titleButtonRect(TitleButton::ControlBox);
    const QPoint below = mapToGlobal(button.bottomRight() + QPoint(1, 2));
    m_controlMenu->popup(below - QPoint(m_controlMenu->sizeHint().width(), 0));
}
