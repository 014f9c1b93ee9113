#pragma once

#include <QMainWindow>
#include <QTabWidget>

// The floor for starting the editor: a bare Qt window with the same five tabs and
// nothing in them.
inline void buildBareWindow(QMainWindow& window) {
    auto* tabs = new QTabWidget;
    for (const char* caption : {"Image", "Sound", "Ticker", "Color-Font", "Margins"})
        tabs->addTab(new QWidget, QLatin1String(caption));
    window.setCentralWidget(tabs);
}
