#pragma once

#include <functional>

class QWidget;

// Runs `work` once, when `widget` is first shown: for what only the widget's own
// looks need, so that a tab the window does not open on costs nothing at start.
void whenFirstShown(QWidget* widget, std::function<void()> work);
