#include "platform/picture_loader.h"

#include "platform/runtime_error.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>
#include <memory>

namespace platform {

namespace {

[[noreturn]] void notAPicture() {
    throw RuntimeError(error::InvalidPicture, QStringLiteral("Invalid picture"));
}

void checkReadableFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw RuntimeError(error::FileNotFound, QStringLiteral("File not found"));
    if (info.isDir() || !info.isReadable())
        throw RuntimeError(error::PathFileAccess, QStringLiteral("Path/File access error"));
}

quint32 littleEndian(const QByteArray& bytes, int at, int length) {
    quint32 value = 0;
    for (int i = length - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// An uncompressed BMP is whole when the file holds every row its header promises.
bool bmpIsWhole(QFile& file) {
    if (!file.seek(0))
        return false;
    const QByteArray header = file.read(54);
    if (header.size() < 54 || littleEndian(header, 14, 4) < 40)
        return true; // an old-style header: leave it to the decoder
    const quint32 compression = littleEndian(header, 30, 4);
    if (compression != 0 && compression != 3)
        return true; // run-length data has no fixed size
    const qint64 width = static_cast<qint32>(littleEndian(header, 18, 4));
    const qint64 height = std::abs(static_cast<qint32>(littleEndian(header, 22, 4)));
    const qint64 bitsPerPixel = littleEndian(header, 28, 2);
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return file.size() >= qint64(littleEndian(header, 10, 4)) + rowBytes * height;
}

// Decoders fill a picture whose end is missing with grey instead of failing; a
// picture is only whole when all of it is in the file.
bool isWhole(QFile& file, const QByteArray& format) {
    if (format == "bmp")
        return bmpIsWhole(file);
    const qint64 size = file.size();
    const qint64 tail = std::min<qint64>(size, 1024);
    if (!file.seek(size - tail))
        return false;
    const QByteArray end = file.read(tail);
    if (format == "jpeg")
        return end.contains("\xFF\xD9"); // the end-of-image marker
    // A GIF ends with its trailer, ";", perhaps followed by padding.
    qsizetype last = end.size() - 1;
    while (last >= 0 && (end.at(last) == '\0' || end.at(last) == '\n' || end.at(last) == '\r'))
        --last;
    return last >= 0 && end.at(last) == ';';
}

struct OpenedPicture {
    std::unique_ptr<QFile> file;
    std::unique_ptr<QImageReader> reader;
    QSize size;
};

OpenedPicture open(const QString& path) {
    checkReadableFile(path);
    OpenedPicture picture;
    picture.file = std::make_unique<QFile>(path);
    if (!picture.file->open(QIODevice::ReadOnly))
        throw RuntimeError(error::PathFileAccess, QStringLiteral("Path/File access error"));
    picture.reader = std::make_unique<QImageReader>(picture.file.get());
    picture.reader->setDecideFormatFromContent(true);
    const QByteArray format = picture.reader->format();
    if (format != "jpeg" && format != "gif" && format != "bmp")
        notAPicture();
    picture.size = picture.reader->size();
    if (!picture.size.isValid() || picture.size.isEmpty() ||
        qint64(picture.size.width()) * picture.size.height() > PictureLoader::MaxPixels)
        notAPicture();
    return picture;
}

QImage decode(OpenedPicture& picture, QSize scaledSize, QRect part = QRect()) {
    const QByteArray format = picture.reader->format();
    if (!isWhole(*picture.file, format) || !picture.file->seek(0))
        notAPicture();
    picture.reader = std::make_unique<QImageReader>(picture.file.get(), format);
    if (scaledSize.isValid() && scaledSize != picture.size)
        picture.reader->setScaledSize(scaledSize);
    if (part.isValid())
        picture.reader->setScaledClipRect(part);
    QImage image = picture.reader->read();
    if (image.isNull())
        notAPicture();
    // A frame can disagree with the size its header gave; callers rely on getting
    // exactly the size they asked for.
    const QSize expected = part.isValid()         ? part.size()
                           : scaledSize.isValid() ? scaledSize
                                                  : picture.size;
    if (image.size() != expected)
        image = image.scaled(expected, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

QSize PictureLoader::naturalSize(const QString& path) {
    return open(path).size;
}

QImage PictureLoader::stretchedTo(const QString& path, QSize size) {
    OpenedPicture picture = open(path);
    return decode(picture, size.isEmpty() ? picture.size : size);
}

QImage PictureLoader::atMost(const QString& path, QSize limit) {
    OpenedPicture picture = open(path);
    QSize size = picture.size;
    if (limit.isValid() && (size.width() > limit.width() || size.height() > limit.height()))
        size = size.scaled(limit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return decode(picture, size);
}

QImage PictureLoader::partOf(const QString& path, QSize shownSize, QRect part) {
    OpenedPicture picture = open(path);
    const QRect whole(QPoint(0, 0), shownSize);
    const QRect visible = part.intersected(whole);
    if (visible.isEmpty())
        return QImage();
    return decode(picture, shownSize, visible == whole ? QRect() : visible);
}

} // namespace platform
