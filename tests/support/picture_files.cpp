#include "picture_files.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstring>

namespace picture_files {

namespace {

// A GIF whose image data uses only literal codes: 7-bit colours, so with a clear code
// often enough every code is exactly one byte. Large, but valid and simple.
QByteArray gif(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QByteArray out("GIF89a");
    const auto word = [&](int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    word(image.width());
    word(image.height());
    out.append(char(0xF6)); // global colour table of 128 entries
    out.append('\0');
    out.append('\0');
    for (int i = 0; i < 128; ++i) { // a 4 x 8 x 4 colour cube
        out.append(char((i >> 5) * 85));
        out.append(char(((i >> 2) & 7) * 36));
        out.append(char((i & 3) * 85));
    }
    out.append(',');
    word(0);
    word(0);
    word(image.width());
    word(image.height());
    out.append('\0');
    out.append(char(7)); // minimum code size

    QByteArray codes;
    int sinceClear = 0;
    codes.append(char(128)); // clear
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int index = (qRed(p) / 64) << 5 | (qGreen(p) / 32) << 2 | (qBlue(p) / 64);
            codes.append(char(index));
            if (++sinceClear == 100) {
                codes.append(char(128));
                sinceClear = 0;
            }
        }
    }
    codes.append(char(129)); // end of information
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
    out.append(';');
    return out;
}

} // namespace

QImage detailed(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int stripe = ((x / 7) ^ (y / 5)) & 1 ? 40 : 0;
            line[x] = qRgb((x * 255 / std::max(1, width - 1) + stripe) & 0xFF,
                           (y * 255 / std::max(1, height - 1)) & 0xFF,
                           ((x * 31 + y * 17) % 200 + stripe) & 0xFF);
        }
    }
    return image;
}

QByteArray encode(const QImage& image, const char* format) {
    if (QByteArray(format) == "gif")
        return gif(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

QByteArray animatedGif(const QImage& image, int frames) {
    const QByteArray still = gif(image);
    constexpr qsizetype kHeadAndColours = 13 + 3 * 128;
    const QByteArray imageBlock = still.mid(kHeadAndColours, still.size() - kHeadAndColours - 1);
    QByteArray out = still.left(kHeadAndColours);
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop forever
    for (int i = 0; i < frames; ++i) {
        out.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8); // 0.1 s a frame
        out.append(imageBlock);
    }
    out.append(';');
    return out;
}

QByteArray progressiveJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

QString largeJpeg(int width, int height) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large-%1x%2.jpg").arg(width).arg(height));
    if (!QFile::exists(path)) {
        // Grey levels keep the picture at one byte a pixel while it is encoded.
        QImage image(width, height, QImage::Format_Grayscale8);
        for (int y = 0; y < height; ++y)
            std::memset(image.scanLine(y), (y / 64) % 2 ? 200 : 60, size_t(width));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(30);
        writer.write(image);
    }
    return path;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace picture_files
