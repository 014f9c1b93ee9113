#include "platform/image_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setStretch(bool stretch) {
    stretch_ = stretch;
    if (!stretch_ && !partOnly_ && !picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
    update();
}

void ImageBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    partOnly_ = false;
    if (!stretch_ && !picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
    update();
}

void ImageBox::setPicturePart(const QPixmap& part, QPoint offset) {
    picture_ = part;
    partOnly_ = true;
    partOffset_ = offset;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (partOnly_)
        painter.drawPixmap(partOffset_, picture_);
    else if (stretch_)
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(QPoint(0, 0), picture_);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace platform
