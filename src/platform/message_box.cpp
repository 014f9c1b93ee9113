#include "platform/message_box.h"

#include <QMessageBox>

namespace platform {

void QtMessageBox::exclamation(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace platform
