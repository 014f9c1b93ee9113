#include "platform/menu_item.h"

namespace platform {

MenuItem::MenuItem(const QString& caption, const QKeySequence& shortcut, QObject* parent)
    : QAction(caption, parent) {
    setShortcut(shortcut);
    connect(this, &QAction::triggered, this, [this] {
        setChecked(ticked_); // choosing the entry does not toggle its tick
        emit chosen();
    });
}

void MenuItem::setTicked(bool ticked) {
    ticked_ = ticked;
    setCheckable(ticked || isCheckable());
    setChecked(ticked);
}

} // namespace platform
