#include "dialogs/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

QPixmap transparentPixmap(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A sheet with a folded corner and a few ruled lines, inside `area`.
void drawSheet(QPainter& p, const QRectF& area) {
    const qreal fold = area.width() * 0.28;
    QPainterPath sheet;
    sheet.moveTo(area.topLeft());
    sheet.lineTo(area.right() - fold, area.top());
    sheet.lineTo(area.right(), area.top() + fold);
    sheet.lineTo(area.bottomRight());
    sheet.lineTo(area.bottomLeft());
    sheet.closeSubpath();
    QLinearGradient paper(area.topLeft(), area.bottomRight());
    paper.setColorAt(0, QColor(255, 253, 240));
    paper.setColorAt(1, QColor(236, 226, 200));
    p.setPen(QPen(QColor(120, 100, 70), std::max<qreal>(1, area.width() / 40)));
    p.setBrush(paper);
    p.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(area.right() - fold, area.top());
    corner.lineTo(area.right() - fold, area.top() + fold);
    corner.lineTo(area.right(), area.top() + fold);
    corner.closeSubpath();
    p.setBrush(QColor(210, 195, 160));
    p.drawPath(corner);

    p.setPen(QPen(QColor(90, 140, 200), std::max<qreal>(1, area.width() / 50)));
    const qreal margin = area.width() * 0.16;
    for (int line = 0; line < 4; ++line) {
        const qreal y = area.top() + area.height() * (0.42 + 0.13 * line);
        const qreal right = area.right() - margin - (line == 3 ? area.width() * 0.25 : 0);
        p.drawLine(QPointF(area.left() + margin, y), QPointF(right, y));
    }
}

} // namespace

QPixmap directionArrow(Arrow arrow, QSize size) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
    const QPointF c = box.center();
    const qreal r = box.width() / 2;

    if (arrow == Arrow::None) {
        p.setPen(QPen(QColor(180, 30, 30), r / 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r * 0.75, r * 0.75);
        p.drawLine(c + QPointF(-r * 0.53, r * 0.53), c + QPointF(r * 0.53, -r * 0.53));
        return pixmap;
    }

    // An arrow pointing up, turned to the direction.
    QPainterPath shape;
    shape.moveTo(0, -r * 0.9);
    shape.lineTo(r * 0.75, -r * 0.1);
    shape.lineTo(r * 0.3, -r * 0.1);
    shape.lineTo(r * 0.3, r * 0.85);
    shape.lineTo(-r * 0.3, r * 0.85);
    shape.lineTo(-r * 0.3, -r * 0.1);
    shape.lineTo(-r * 0.75, -r * 0.1);
    shape.closeSubpath();
    const qreal angle = arrow == Arrow::Up      ? 0
                        : arrow == Arrow::Right ? 90
                        : arrow == Arrow::Down  ? 180
                                                : 270;
    p.translate(c);
    p.rotate(angle);
    p.setPen(QPen(QColor(20, 60, 120), 1));
    p.setBrush(QColor(60, 130, 210));
    p.drawPath(shape);
    return pixmap;
}

QPixmap programPicture(int side) {
    QPixmap pixmap = transparentPixmap(QSize(side, side));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawSheet(p, QRectF(side * 0.16, side * 0.06, side * 0.68, side * 0.88));
    return pixmap;
}

QPixmap aboutPicture() {
    QPixmap pixmap(152, 190);
    pixmap.fill(Qt::black);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A sheet over an envelope, under a night sky of a few stars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 200));
    for (const QPointF star :
         {QPointF(18, 20), QPointF(130, 14), QPointF(100, 34), QPointF(40, 44)})
        p.drawEllipse(star, 1.6, 1.6);
    p.setPen(QPen(QColor(200, 170, 120), 2));
    p.setBrush(QColor(150, 110, 70));
    p.drawRect(QRectF(14, 118, 124, 62));
    p.drawLine(QPointF(14, 118), QPointF(76, 156));
    p.drawLine(QPointF(138, 118), QPointF(76, 156));
    drawSheet(p, QRectF(34, 30, 84, 112));
    return pixmap;
}

} // namespace artwork
