#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

// Hands every change of a field's text, typed or pasted, to `edit` as UTF-8 without
// control characters, which no line of a stationery file can hold (a NUL makes the file
// unreadable, a line break splits a line). A field given any shows its text without them.
inline void onTypedText(QLineEdit* field, QObject* context,
                        std::function<void(const std::string&)> edit) {
    QObject::connect(field, &QLineEdit::textChanged, context,
                     [field, edit = std::move(edit)](const QString& text) {
                         QString typeable = text;
                         typeable.removeIf(
                             [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
                         if (typeable != text)
                             field->setText(typeable); // comes back here without them
                         else
                             edit(text.toStdString());
                     });
}
