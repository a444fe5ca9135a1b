#pragma once
// Designs give font heights the class library's way: a negative height is the character
// height in pixels. Widgets in a design carry it as the dynamic property "fontHeight".
class QWidget;
class QFont;

void applyFontHeight(QFont &font, int height);
// Applies "fontHeight" of the widget and of every descendant to its font.
void applyDesignFontHeights(QWidget *root);
