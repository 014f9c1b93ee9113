// The floor for starting the editor: a bare Qt window with the same five tabs and
// nothing in them.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget;
    for (const char* caption : {"Image", "Sound", "Ticker", "Color-Font", "Margins"})
        tabs->addTab(new QWidget, QLatin1String(caption));
    window.setCentralWidget(tabs);
    window.show();
    return app.exec();
}
