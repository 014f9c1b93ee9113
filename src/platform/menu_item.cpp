#include "platform/menu_item.h"

namespace platform {

MenuItem::MenuItem(const QString& caption, const QKeySequence& shortcut, QObject* parent)
    : QAction(caption, parent) {
    setShortcut(shortcut);
    connect(this, &QAction::triggered, this, [this] {
        QAction::setChecked(checked_); // choosing the entry does not toggle its mark
        emit Click();
    });
}

void MenuItem::setChecked(bool checked) {
    checked_ = checked;
    setCheckable(checked || isCheckable());
    QAction::setChecked(checked);
}

} // namespace platform
