#include "controls/design_font.h"

#include <QFont>
#include <QWidget>

void applyFontHeight(QFont &font, int height)
{
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPointSize(height); // a positive height counts the internal leading; close enough in points
}

void applyDesignFontHeights(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        const QVariant height = widget->property("fontHeight");
        if (!height.isValid())
            continue;
        QFont font = widget->font();
        applyFontHeight(font, height.toInt());
        widget->setFont(font);
    }
}
