// A bare window as its own program, to time its start against the editor's.
#include "bare_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    buildBareWindow(window);
    window.show();
    return app.exec();
}
