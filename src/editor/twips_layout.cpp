#include "editor/twips_layout.h"

#include <QWidget>

#include <algorithm>

void TwipsLayout::place(QWidget* widget, int left, int top, int width, int height) const {
    widget->setGeometry(twips_.toPixels(left), twips_.toPixels(top), twips_.toPixels(width),
                        twips_.toPixels(height));
}

void TwipsLayout::placeOnPage(QWidget* widget, int left, int top, int width, int height) const {
    place(widget, left, top, width, height);
    widget->move(widget->x(), std::max(0, widget->y() - tabStripHeight_));
}
