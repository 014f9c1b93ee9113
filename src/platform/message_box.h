#pragma once

#include <QString>

class QWidget;

namespace platform {

// Modal messages: one with an exclamation icon and an OK button, and the question
// asked before unsaved changes would be lost.
class MessageBox {
public:
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~MessageBox() = default;
    // Returns once the user has pressed OK.
    virtual void exclamation(QWidget* parent, const QString& text, const QString& title) = 0;
    // Asks with Save, Discard and Cancel buttons; closing the box is Cancel.
    virtual SaveChoice askToSave(QWidget* parent, const QString& text, const QString& title) = 0;
    // Asks with Yes and No buttons, No the default; closing the box is No.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
};

class QtMessageBox : public MessageBox {
public:
    void exclamation(QWidget* parent, const QString& text, const QString& title) override;
    SaveChoice askToSave(QWidget* parent, const QString& text, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace platform
