#pragma once

#include <QWidget>

// Whether the window shows the busy pointer, as a person sees it.
inline bool busy(const QWidget* window) {
    return window->testAttribute(Qt::WA_SetCursor) && window->cursor().shape() == Qt::WaitCursor;
}
