#include "platform/check_box.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace platform {

CheckBox::CheckBox(const QString& caption, QWidget* parent)
    : QWidget(parent), box_(new QCheckBox(this)), caption_(new QLabel(caption, this)) {
    caption_->setWordWrap(true);
    caption_->setBuddy(box_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(box_, 0, Qt::AlignVCenter);
    layout->addWidget(caption_, 1);
    setFocusProxy(box_);
    // The box takes the keyboard focus, so it is the one a screen reader names.
    box_->setAccessibleName(caption);
    connect(box_, &QCheckBox::toggled, this, &CheckBox::toggled);
}

bool CheckBox::isChecked() const {
    return box_->isChecked();
}

void CheckBox::setChecked(bool checked) {
    box_->setChecked(checked);
}

QString CheckBox::text() const {
    return caption_->text();
}

void CheckBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CheckBox::mouseReleaseEvent(QMouseEvent* event) {
    // A click on the caption toggles the box, as it does on the box itself.
    if (event->button() == Qt::LeftButton && isEnabled() &&
        rect().contains(event->position().toPoint()))
        box_->toggle();
}

} // namespace platform
