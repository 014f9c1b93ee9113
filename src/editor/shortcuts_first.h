#pragma once

#include <QObject>

class QWidget;

// Lets the window's menu shortcuts act while a text field of `window` has the focus:
// a text field claims some of them for itself (Ctrl+E moves to the line's end where
// the desktop uses Emacs keys), and Undo and Redo, whose history is the document's.
// Its other editing keys (cut, copy, paste, select all) stay the field's.
class ShortcutsFirst : public QObject {
public:
    explicit ShortcutsFirst(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};
