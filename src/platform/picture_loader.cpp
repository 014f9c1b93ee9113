#include "platform/picture_loader.h"

#include "platform/picture_integrity.h"
#include "platform/platform_error.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <memory>

namespace platform {

namespace {

[[noreturn]] void notAPicture() {
    throw PlatformError(Failure::NotAPicture, QStringLiteral("Invalid picture"));
}

// A picture of a kind phones and cameras make that this program does not read is
// named, so that nobody wonders why it is missing.
[[noreturn]] void notAKnownPicture(QIODevice& file) {
    const QByteArray head = file.peek(16);
    const QByteArray brand = head.mid(8, 4);
    if (head.mid(4, 4) == "ftyp" &&
        (brand.startsWith("hei") || brand.startsWith("hev") || brand == "mif1" || brand == "msf1"))
        throw PlatformError(Failure::UnreadableKind, QStringLiteral("HEIC"));
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        throw PlatformError(Failure::UnreadableKind, QStringLiteral("WebP"));
    if (head.mid(4, 4) == "ftyp" && brand.startsWith("avi"))
        throw PlatformError(Failure::UnreadableKind, QStringLiteral("AVIF"));
    notAPicture();
}

void checkReadableFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw PlatformError(Failure::FileNotFound, QStringLiteral("File not found"));
    if (info.isDir() || !info.isReadable())
        throw PlatformError(Failure::FileNotAccessible, QStringLiteral("Path/File access error"));
}

bool isWhole(QIODevice& file, const QByteArray& format) {
    if (format == "jpeg")
        return jpegIsWhole(file);
    if (format == "gif")
        return gifIsWhole(file);
    if (format == "png")
        return pngIsWhole(file);
    return bmpIsWhole(file);
}

// A GIF's canvas, which its frames are drawn on: larger than the first frame at times,
// and what a decode allocates.
QSize gifCanvas(QIODevice& file) {
    const QByteArray header = file.peek(10);
    if (header.size() < 10)
        return QSize();
    const auto byte = [&](int at) {
        return int(static_cast<unsigned char>(header[at]));
    };
    return QSize(byte(6) | byte(7) << 8, byte(8) | byte(9) << 8);
}

// Qt refuses to allocate an image over its allocation limit, so a picture that cannot
// be decoded within it is turned down before decoding, in words a person understands.
// GIF, PNG and BMP pictures decode whole (a GIF its whole canvas), whatever size they are
// shown at; JPEG can decode at an eighth of its size at the least.
void checkDecodableWhole(const QByteArray& format, QSize size, QIODevice& file) {
    const QSize canvas = format == "gif" ? size.expandedTo(gifCanvas(file)) : size;
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 imageBytes =
        qint64(canvas.width()) * canvas.height() * 4 / (format == "jpeg" ? 64 : 1);
    if (limitBytes > 0 && imageBytes > limitBytes)
        throw PlatformError(Failure::PictureTooLarge,
                            PictureLoader::tr("This picture is %1 × %2 pixels, too large to show.")
                                .arg(canvas.width())
                                .arg(canvas.height()));
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
        throw PlatformError(Failure::FileNotAccessible, QStringLiteral("Path/File access error"));
    picture.reader = std::make_unique<QImageReader>(picture.file.get());
    picture.reader->setDecideFormatFromContent(true);
    const QByteArray format = picture.reader->format();
    if (format != "jpeg" && format != "gif" && format != "png" && format != "bmp")
        notAKnownPicture(*picture.file);
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
    checkDecodableWhole(format, picture.size, *picture.file);
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
