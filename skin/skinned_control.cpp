#include "skin/skinned_control.h"

#include <QPalette>
#include <QWidget>

QColor surfaceColorBehind(const QWidget *widget) {
    const QWidget *parent = widget->parentWidget();
    if (!parent)
        return widget->palette().color(QPalette::Window);
    if (const auto *skinned = dynamic_cast<const SkinnedControl *>(parent))
        return skinned->surfaceColor();
    return parent->palette().color(QPalette::Window);
}
