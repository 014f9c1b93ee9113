#include "platform/drawn_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace platform {

namespace {

// Draws on a 16-unit grid, at `scale` device pixels a unit.
QPixmap drawn(DrawnIcon icon, int scale) {
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(0x60, 0x4a, 0x10), 1.0 / scale));
    switch (icon) {
    case DrawnIcon::OpenFolder:
    case DrawnIcon::ClosedFolder: {
        painter.setBrush(QColor(0xe8, 0xc0, 0x50));
        QPainterPath back;
        back.moveTo(1.5, 13.5);
        back.lineTo(1.5, 3.5);
        back.lineTo(6, 3.5);
        back.lineTo(7.5, 5);
        back.lineTo(14.5, 5);
        back.lineTo(14.5, 13.5);
        back.closeSubpath();
        painter.drawPath(back);
        painter.setBrush(QColor(0xf8, 0xdc, 0x78));
        if (icon == DrawnIcon::OpenFolder)
            painter.drawPolygon(
                QPolygonF{{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}}); // the flap open
        else
            painter.drawRect(QRectF(1.5, 6.5, 13, 7));
        break;
    }
    case DrawnIcon::Play:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x20, 0x20, 0x20));
        painter.drawPolygon(QPolygonF{{4, 2.5}, {13, 8}, {4, 13.5}});
        break;
    case DrawnIcon::Pause:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x20, 0x20, 0x20));
        painter.drawRect(QRectF(4, 3, 3, 10));
        painter.drawRect(QRectF(9, 3, 3, 10));
        break;
    case DrawnIcon::Stop:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x20, 0x20, 0x20));
        painter.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    }
    return pixmap;
}

} // namespace

QIcon drawnIcon(DrawnIcon icon) {
    QIcon result;
    for (int scale : {1, 2})
        result.addPixmap(drawn(icon, scale));
    return result;
}

} // namespace platform
