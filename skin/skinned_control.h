#pragma once
// What the theme manager needs from a skinned control.
#include <QColor>

class QWidget;
struct SkinStyle;

class SkinnedControl {
public:
    virtual ~SkinnedControl() = default;
    virtual void applyStyle(const SkinStyle &style) = 0;
    // The colour the control's children stand on.
    virtual QColor surfaceColor() const = 0;
};

// The colour behind a control: its parent's surface, or the parent's window colour when the
// parent is not skinned.
QColor surfaceColorBehind(const QWidget *widget);
