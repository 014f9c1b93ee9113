#pragma once

#include <QAction>

namespace platform {

// A menu entry whose check mark is set only by the program, never by choosing it.
class MenuItem : public QAction {
    Q_OBJECT
public:
    MenuItem(const QString& caption, const QKeySequence& shortcut, QObject* parent);

    bool Checked() const { return checked_; }
    void setChecked(bool checked);

signals:
    void Click();

private:
    bool checked_ = false;
};

} // namespace platform
