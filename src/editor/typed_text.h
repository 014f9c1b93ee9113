#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

// A field that shows `untouched` until something is given: the text it holds, or
// nothing while it still holds `untouched`.
inline std::optional<std::string> givenText(const std::string& text, std::string_view untouched) {
    return text == untouched ? std::nullopt : std::optional<std::string>(text);
}

// What such a field shows for `given`.
inline QString shownText(const std::optional<std::string>& given, std::string_view untouched) {
    return QString::fromStdString(given ? *given : std::string(untouched));
}

// Sets `field` to `text` unless it shows that already (keeping the caret where it is).
inline void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}
