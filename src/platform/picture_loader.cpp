#include "platform/picture_loader.h"

#include "platform/picture_integrity.h"
#include "platform/runtime_error.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

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

bool isWhole(QIODevice& file, const QByteArray& format) {
    if (format == "jpeg")
        return jpegIsWhole(file);
    if (format == "gif")
        return gifIsWhole(file);
    return bmpIsWhole(file);
}

// GIF and BMP pictures decode whole, whatever size they are shown at; Qt refuses to
// allocate an image over its allocation limit, so such a picture is turned down
// before decoding, in words a person understands. JPEG decodes straight to the size
// shown and has no such limit.
void checkDecodableWhole(const QByteArray& format, QSize size) {
    if (format == "jpeg")
        return;
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 imageBytes = qint64(size.width()) * size.height() * 4;
    if (limitBytes > 0 && imageBytes > limitBytes)
        throw RuntimeError(error::OutOfMemory,
                           PictureLoader::tr("This picture is %1 × %2 pixels, too large to show.")
                               .arg(size.width())
                               .arg(size.height()));
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
    if (!picture.size.isValid() || picture.size.isEmpty())
        notAPicture();
    return picture;
}

// Everything a decode can fail on but the decode itself: a picture cut off, or too
// large to decode whole.
void checkWhole(OpenedPicture& picture) {
    const QByteArray format = picture.reader->format();
    if (!isWhole(*picture.file, format) || !picture.file->seek(0))
        notAPicture();
    checkDecodableWhole(format, picture.size);
}

enum class Wholeness { Check, AlreadyChecked };

QImage decode(OpenedPicture& picture, QSize scaledSize, QRect part = QRect(),
              Wholeness wholeness = Wholeness::Check) {
    const QByteArray format = picture.reader->format();
    if (wholeness == Wholeness::Check)
        checkWhole(picture);
    else if (!picture.file->seek(0))
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

QSize PictureLoader::checkedSize(const QString& path) {
    OpenedPicture picture = open(path);
    checkWhole(picture);
    return picture.size;
}

QImage PictureLoader::stretchedTo(const QString& path, QSize size) {
    OpenedPicture picture = open(path);
    return decode(picture, size.isEmpty() ? picture.size : size);
}

QImage PictureLoader::checkedStretchedTo(const QString& path, QSize size) {
    OpenedPicture picture = open(path);
    return decode(picture, size.isEmpty() ? picture.size : size, QRect(),
                  Wholeness::AlreadyChecked);
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
