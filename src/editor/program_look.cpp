#include "editor/program_look.h"

#include <QApplication>
#include <QFont>

void applyProgramLook() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}
