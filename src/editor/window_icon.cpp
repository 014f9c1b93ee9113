#include "editor/window_icon.h"

#include "program_icon_pixels.h"

#include <QImage>
#include <QPixmap>

QIcon programWindowIcon() {
    QIcon icon;
    for (const program_icon_pixels::Size& size : program_icon_pixels::sizes) {
        // The image only borrows the pixels; the pixmap made from it is a copy.
        const QImage image(reinterpret_cast<const uchar*>(size.pixels), size.side, size.side,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
