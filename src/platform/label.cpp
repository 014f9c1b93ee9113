#include "platform/label.h"

#include "platform/common_dialog.h"

namespace platform {

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

qint32 Label::ForeColor() const {
    return CommonDialog::toColorNumber(palette().color(QPalette::WindowText));
}

void Label::setForeColor(qint32 color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, CommonDialog::fromColorNumber(color));
    setPalette(p);
    emit Changed();
}

qint32 Label::BackColor() const {
    return CommonDialog::toColorNumber(palette().color(QPalette::Window));
}

void Label::setBackColor(qint32 color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, CommonDialog::fromColorNumber(color));
    setPalette(p);
    setAutoFillBackground(true);
    emit Changed();
}

void Label::resetColors() {
    setPalette(QPalette());
    setAutoFillBackground(false);
    emit Changed();
}

} // namespace platform
