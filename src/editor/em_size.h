#pragma once

#include <QSize>
#include <QWidget>

// A size in lines of the widget's font, so that what holds text or a picture grows with
// the font and the screen's scale.
inline QSize emSize(const QWidget* widget, double width, double height) {
    const int line = widget->fontMetrics().height();
    return QSize(qRound(width * line), qRound(height * line));
}
