#include "app/command_line.h"
#include "app/font_read_ahead.h"
#include "app/loaded_modules.h"

#include <QCoreApplication>

// The program itself needs only Qt's core: the window, with the window system's
// libraries, is a module loaded when a window opens.
int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // Qt's regular expressions without their JIT: freeing a thread's JIT stack as the
    // thread ended crashed now and then after an upload (seen under Wine).
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
#endif
    QCoreApplication::setApplicationName(QStringLiteral("stationery-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STATIONERY_VERSION));
    // Conversions, --help and --version need no window, and so no display.
    if (command_line::wantsNoWindow(argc, argv))
        return command_line::run(argc, argv);
    const FontReadAhead fonts;
    return program_modules::runWindow(argc, argv);
}
