#pragma once
// A skinned radio button used as a category selector.
//
// Selectors with the same parent and the same groupIndex form one exclusive group, none
// selected at first. setChecked(true) on an unselected one selects it, unselects the rest of
// its group and then emits clicked(); a mouse click does the same. Selecting the selected one
// again does nothing; setChecked(false) unselects without a signal. Space and Enter do not
// select (Tab still moves the focus).
//
// Properties: caption, checked, groupIndex, transparent (no background fill; otherwise the
// parent's colour), fontColor (caption colour, navy in the built-in style), uiStyle (kept for
// designs). The caption font is the widget's font.
#include "skin/skin_style.h"
#include "skin/skinned_control.h"

#include <QWidget>

class TsuiRadioButton : public QWidget, public SkinnedControl {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked)
    Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool transparent READ isTransparent WRITE setTransparent)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QString uiStyle READ uiStyle WRITE setUiStyle)

public:
    explicit TsuiRadioButton(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    QColor fontColor() const { return m_look.fontColor; }
    void setFontColor(const QColor &color);
    QString uiStyle() const { return m_uiStyle; }
    void setUiStyle(const QString &style) { m_uiStyle = style; }

    const SkinStyle::RadioButton &look() const { return m_look; }
    // Where the circle is drawn.
    QRect circleRect() const;

    void applyStyle(const SkinStyle &style) override;
    QColor surfaceColor() const override { return surfaceColorBehind(this); }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QList<TsuiRadioButton *> groupMates() const;
    QRect captionRect() const;

    QString m_caption;
    bool m_checked = false;
    bool m_pressed = false;
    int m_groupIndex = 0;
    bool m_transparent = false;
    SkinStyle::RadioButton m_look = builtinSkinStyle().radioButton;
    QString m_uiStyle = QStringLiteral("FromThemeFile");
};
