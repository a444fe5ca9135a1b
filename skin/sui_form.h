#pragma once
// The skinned frame. Placed as a child of a top-level window, it takes over that window's
// decoration: the window becomes frameless, the frame covers it but for a border of
// borderWidth px at left, right and bottom (drawn in borderColor), and the frame draws the
// title bar with its caption and buttons, moves the window when the title is dragged and
// resizes it from its edges.
//
// Properties (each has a setXxx setter, as a form design calls them):
//   caption         title bar text
//   borderWidth     0..8 px of window shown around the frame (larger values are clamped)
//   borderColor     colour of that border
//   color           colour below the title bar; skinned children stand on it
//   titleFont       caption font
//   titleFontColor  caption colour
//   titleBarHeight  18..32 px (clamped; never more than the frame's height when drawn)
//   menuBarColor, menuBarHeight  kept for designs; no menu is attached, nothing is drawn
//   roundCorner     radius of the window's top corners, 0..16 px (0: square)
//   uiStyle         kept for designs ("FromThemeFile"); the theme manager decides the look
#include "skin/skin_style.h"
#include "skin/skinned_control.h"
#include "skin/title_bar.h"

#include <QPointer>
#include <QWidget>

class QMenu;

class TsuiForm : public QWidget, public SkinnedControl {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QFont titleFont READ titleFont WRITE setTitleFont)
    Q_PROPERTY(QColor titleFontColor READ titleFontColor WRITE setTitleFontColor)
    Q_PROPERTY(int titleBarHeight READ titleBarHeight WRITE setTitleBarHeight)
    Q_PROPERTY(QColor menuBarColor READ menuBarColor WRITE setMenuBarColor)
    Q_PROPERTY(int menuBarHeight READ menuBarHeight WRITE setMenuBarHeight)
    Q_PROPERTY(int roundCorner READ roundCorner WRITE setRoundCorner)
    Q_PROPERTY(QString uiStyle READ uiStyle WRITE setUiStyle)
    Q_PROPERTY(int frameWidth READ frameWidth WRITE setFrameWidth DESIGNABLE false STORED false)
    Q_PROPERTY(int frameHeight READ frameHeight WRITE setFrameHeight DESIGNABLE false STORED false)

public:
    static constexpr int kMinWindowWidth = 125;
    static constexpr int kMinWindowHeight = 50;
    static constexpr int kMaxRoundCorner = 16;

    explicit TsuiForm(QWidget *parent = nullptr);
    ~TsuiForm() override;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    int borderWidth() const { return m_frame.borderWidth; }
    void setBorderWidth(int width);
    QColor borderColor() const { return m_frame.borderColor; }
    void setBorderColor(const QColor &color);
    QColor color() const { return m_frame.color; }
    void setColor(const QColor &color);
    QFont titleFont() const { return m_titleFont; }
    void setTitleFont(const QFont &font);
    QColor titleFontColor() const { return m_title.fontColor; }
    void setTitleFontColor(const QColor &color);
    int titleBarHeight() const { return m_title.height; }
    void setTitleBarHeight(int height);
    QColor menuBarColor() const { return m_menuBarColor; }
    void setMenuBarColor(const QColor &color) { m_menuBarColor = color; }
    int menuBarHeight() const { return m_menuBarHeight; }
    void setMenuBarHeight(int height) { m_menuBarHeight = qMax(0, height); }
    int roundCorner() const { return m_roundCorner; }
    void setRoundCorner(int radius);
    QString uiStyle() const { return m_uiStyle; }
    void setUiStyle(const QString &style) { m_uiStyle = style; }

    // The frame's size follows its window: frame width = window width - 2 * border,
    // frame height = window height - border. Setting one resizes the window, within its
    // minimum size of 125 x 50.
    int frameWidth() const;
    int frameHeight() const;
    void setFrameWidth(int width);
    void setFrameHeight(int height);

    // The title bar's look as the current style has it (gradient, button colours).
    const SkinStyle::TitleBar &titleBarLook() const { return m_title; }
    QRect titleBarRect() const;
    QRect titleButtonRect(TitleButton button) const;
    // The menu the control box button opens: 还原, 最小化, 最大化, 关闭.
    QMenu *controlMenu() const { return m_controlMenu; }

    void applyStyle(const SkinStyle &style) override;
    QColor surfaceColor() const override { return m_frame.color; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    enum class Drag { None, PendingMove, Move, Resize };

    QWidget *hostWindow() const { return m_host; }
    void attachToWindow();
    // The first time, the frame's design size decides the window's size.
    void takeOverWindowSize();
    void followWindow();
    void updateCornerMask();
    void paintBorder();
    void triggerButton(TitleButton button);
    void toggleMaximized();
    void showControlMenu();
    void updateControlMenu();
    void setHovered(std::optional<TitleButton> button);

    // Pointer handling shared by the frame and the window's border strips; positions are in
    // window coordinates.
    Qt::Edges edgesAt(QPoint windowPos) const;
    bool beginResize(QPoint windowPos, QPoint globalPos);
    void beginMove(QPoint globalPos);
    void dragTo(QPoint globalPos);
    void showEdgeCursor(const QWidget *under, Qt::Edges edges);
    void endDrag();

    QPointer<QWidget> m_host;
    QString m_caption;
    SkinStyle::Frame m_frame = builtinSkinStyle().frame;
    SkinStyle::TitleBar m_title = builtinSkinStyle().titleBar;
    QFont m_titleFont = builtinSkinStyle().titleBar.font();
    QColor m_menuBarColor = builtinSkinStyle().frame.color;
    int m_menuBarHeight = 22;
    int m_roundCorner = 0;
    bool m_ownsMask = false;
    bool m_tookOver = false;
    QString m_uiStyle = QStringLiteral("FromThemeFile");

    std::optional<TitleButton> m_hovered;
    std::optional<TitleButton> m_pressed;
    Drag m_drag = Drag::None;
    Qt::Edges m_dragEdges;
    QPoint m_pressGlobal;
    QRect m_pressGeometry;
    QMenu *m_controlMenu = nullptr;
};
