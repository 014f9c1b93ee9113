// Draws the program's icon at build time.
//   make_icons OUTPUT_FOLDER NAME  ->  OUTPUT_FOLDER/<size>x<size>/apps/NAME.png,
//                                      PNG files for the hicolor icon theme
//   make_icons --pixels HEADER     ->  HEADER, the window's icon as C++ arrays, so that
//                                      showing the window draws and decodes nothing
//   make_icons --ico FILE          ->  FILE, the Windows icon: every size in one .ico
#include "dialogs/artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>
#include <vector>

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

void appendLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
}

// An .ico file: its header, one directory entry a size, and each size as a PNG, which
// Windows Vista and later read inside icons.
int writeIco(const QString& file) {
    const int sides[] = {16, 24, 32, 48, 64, 256};
    std::vector<QByteArray> pngs;
    for (int side : sides) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        artwork::programPicture(side).save(&buffer, "PNG");
        pngs.push_back(png);
    }
    QByteArray ico;
    appendLittleEndian(ico, 0, 2); // reserved
    appendLittleEndian(ico, 1, 2); // an icon
    appendLittleEndian(ico, quint32(pngs.size()), 2);
    quint32 offset = quint32(6 + 16 * pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const int side = sides[i];
        ico += char(side == 256 ? 0 : side); // 0 is 256
        ico += char(side == 256 ? 0 : side);
        ico += char(0); // no palette
        ico += char(0);
        appendLittleEndian(ico, 1, 2);  // planes
        appendLittleEndian(ico, 32, 2); // bits a pixel
        appendLittleEndian(ico, quint32(pngs[i].size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        ico += png;
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(ico) != ico.size() || !out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER NAME | make_icons --pixels HEADER | "
                             "make_icons --ico FILE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (std::strcmp(argv[1], "--pixels") == 0)
        return writePixelHeader(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(argv[1], "--ico") == 0)
        return writeIco(QString::fromLocal8Bit(argv[2]));
    return writePngs(QDir(QString::fromLocal8Bit(argv[1])), QString::fromLocal8Bit(argv[2]));
}
