#pragma once

#include <QString>

class QWidget;

namespace platform {

// A modal message with an exclamation icon and an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Returns once the user has pressed OK.
    virtual void exclamation(QWidget* parent, const QString& text, const QString& title) = 0;
};

class QtMessageBox : public MessageBox {
public:
    void exclamation(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace platform
