#include "platform/drawn_icons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace platform {

namespace {

// Draws on a 16-unit grid, `side` device pixels wide.
QPixmap drawn(DrawnIcon icon, int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = side / 16.0;
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
    case DrawnIcon::MoreToTheRight:
    case DrawnIcon::MoreBelow: {
        painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
        painter.setBrush(Qt::NoBrush);
        if (icon == DrawnIcon::MoreBelow) // the same chevrons, turned to point down
            painter.setTransform(QTransform(0, 1, 1, 0, 0, 0), true);
        for (qreal left : {4.0, 8.5})
            painter.drawPolyline(QPolygonF{{left, 4.5}, {left + 3.5, 8}, {left, 11.5}});
        break;
    }
    }
    return pixmap;
}

// Draws each size when it is first asked for, so that making a widget with an icon
// costs no drawing, and an icon never painted is never drawn. Disabled and selected
// looks are the style's, as for icons made from pixmaps.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(DrawnIcon icon) : icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        const quint64 key = (quint64(side) << 8) | quint64(mode);
        if (const auto cached = drawnSizes_.constFind(key); cached != drawnSizes_.cend())
            return *cached;
        QPixmap result = drawn(icon_, side);
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            result = QApplication::style()->generatedIconPixmap(mode, result, &option);
        }
        drawnSizes_.insert(key, result);
        return result;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32)};
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(icon_); }

private:
    DrawnIcon icon_;
    QHash<quint64, QPixmap> drawnSizes_;
};

} // namespace

QIcon drawnIcon(DrawnIcon icon) {
    return QIcon(new DrawnIconEngine(icon));
}

} // namespace platform
