// Draws the program's icon at build time.
//   make_icons OUTPUT_FOLDER NAME  ->  OUTPUT_FOLDER/<size>x<size>/apps/NAME.png,
//                                      PNG files for the hicolor icon theme
//   make_icons --pixels HEADER     ->  HEADER, the window's icon as C++ arrays, so that
//                                      showing the window draws and decodes nothing
#include "dialogs/artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

int writePngs(const QDir& output, const QString& name) {
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        output.mkpath(folder);
        const QString file = output.filePath(folder + QLatin1Char('/') + name + u".png"_s);
        if (!artwork::programPicture(side).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

// Premultiplied 0xAARRGGBB words, as QImage::Format_ARGB32_Premultiplied holds them.
int writePixelHeader(const QString& file) {
    QByteArray text = "// Drawn by make_icons from artwork::programPicture; not to be edited.\n"
                      "#pragma once\n#include <cstdint>\n\nnamespace program_icon_pixels {\n";
    QByteArray sizes;
    for (int side : {16, 32, 48, 64}) {
        const QImage image = artwork::programPicture(side).toImage().convertToFormat(
            QImage::Format_ARGB32_Premultiplied);
        text += "inline constexpr std::uint32_t side" + QByteArray::number(side) + "[] = {";
        for (int y = 0; y < side; ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            text += "\n";
            for (int x = 0; x < side; ++x)
                text += "0x" + QByteArray::number(row[x], 16) + "u,";
        }
        text += "\n};\n";
        sizes += "{" + QByteArray::number(side) + ", side" + QByteArray::number(side) + "}, ";
    }
    text += "struct Size {\n    int side;\n    const std::uint32_t* pixels;\n};\n"
            "inline constexpr Size sizes[] = {" +
            sizes + "};\n} // namespace program_icon_pixels\n";
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.flush()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file),
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER NAME | make_icons --pixels HEADER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (std::strcmp(argv[1], "--pixels") == 0)
        return writePixelHeader(QString::fromLocal8Bit(argv[2]));
    return writePngs(QDir(QString::fromLocal8Bit(argv[1])), QString::fromLocal8Bit(argv[2]));
}
