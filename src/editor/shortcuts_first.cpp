#include "editor/shortcuts_first.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

ShortcutsFirst::ShortcutsFirst(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool ShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || field->window() != window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Undo and Redo are the window's, enabled or not: never the field's own history.
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : window_->findChildren<QAction*>())
        if ((action->objectName() == QLatin1String("undoAction") ||
             action->objectName() == QLatin1String("redoAction")) &&
            action->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    for (const QKeySequence::StandardKey editing :
         {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste, QKeySequence::SelectAll})
        if (key->matches(editing))
            return false;
    for (const QAction* action : window_->findChildren<QAction*>())
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            event->ignore(); // not the field's: the shortcut acts
            return true;
        }
    return false;
}
