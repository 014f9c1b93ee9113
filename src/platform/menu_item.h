#pragma once

#include <QAction>

namespace platform {

// A menu entry whose tick is set only by the program, never by choosing the entry.
class MenuItem : public QAction {
    Q_OBJECT
public:
    MenuItem(const QString& caption, const QKeySequence& shortcut, QObject* parent);

    bool isTicked() const { return ticked_; }
    void setTicked(bool ticked);

signals:
    // The entry was chosen, by a click or its shortcut.
    void chosen();

private:
    bool ticked_ = false;
};

} // namespace platform
