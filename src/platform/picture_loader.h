#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace platform {

// Loads JPEG, GIF, PNG and BMP pictures from files, decoding no more pixels than the
// caller will show. Every function throws PlatformError: FileNotFound for a missing
// file, FileNotAccessible for one that cannot be read (a folder, no permission),
// NotAPicture for a file that is not a whole, readable picture of those three kinds,
// and PictureTooLarge (with the picture's size in its description) for one too large
// to decode.
class PictureLoader {
    Q_DECLARE_TR_FUNCTIONS(PictureLoader)

public:
    // The picture's own size in pixels, from the file's header alone.
    static QSize naturalSize(const QString& path);
    // The same, once the file has been found whole and decodable: what a decode could
    // fail on, found without decoding.
    static QSize checkedSize(const QString& path);
    // The picture decoded straight to `size`, as a stretched image box shows it.
    static QImage stretchedTo(const QString& path, QSize size);
    // The same for a file checkedSize has just found whole: its structure, a walk
    // through the whole file, is not checked again.
    static QImage checkedStretchedTo(const QString& path, QSize size);
    // The picture at its own size, or scaled down in proportion to fit `limit`.
    static QImage atMost(const QString& path, QSize limit);
    // Only `part` (in the coordinates of the picture shown at `shownSize`) of the
    // picture scaled to `shownSize`: what a window that cuts the picture off shows.
    static QImage partOf(const QString& path, QSize shownSize, QRect part);
};

} // namespace platform
