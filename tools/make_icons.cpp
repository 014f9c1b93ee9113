// Writes the program's icon as PNG files for the hicolor icon theme:
//   make_icons OUTPUT_FOLDER NAME  ->  OUTPUT_FOLDER/<size>x<size>/apps/NAME.png
#include "windows/artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        output.mkpath(folder);
        const QString file = output.filePath(folder + QLatin1Char('/') +
                                             QString::fromLocal8Bit(argv[2]) + u".png"_s);
        if (!artwork::programPicture(side).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
