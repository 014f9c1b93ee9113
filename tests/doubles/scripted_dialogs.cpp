#include "doubles/scripted_dialogs.h"

namespace platform {

template <typename T> std::optional<T> ScriptedDialogs::next() {
    ++shown_;
    if (answers_.empty())
        return std::nullopt;
    std::optional<T> value; // stays empty for a cancel, or an answer meant for another dialog
    if (T* answer = std::get_if<T>(&answers_.front()))
        value = std::move(*answer);
    answers_.pop_front();
    return value;
}

std::optional<FileChoice> ScriptedDialogs::saveFileName(QWidget*, const QString& title,
                                                        const QString& initialFolder,
                                                        const QStringList& nameFilters) {
    lastTitle_ = title;
    lastInitialFolder_ = initialFolder;
    lastNameFilter_ = nameFilters.join(QStringLiteral(";;"));
    return next<FileChoice>();
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget*, const QString& initialFolder,
                                                     const QStringList& nameFilters) {
    lastInitialFolder_ = initialFolder;
    lastNameFilter_ = nameFilters.join(QStringLiteral(";;"));
    return next<QString>();
}

std::optional<QColor> ScriptedDialogs::color(QWidget*, const QColor& initial) {
    lastInitialColor_ = initial;
    return next<QColor>();
}

std::optional<QFont> ScriptedDialogs::font(QWidget*, const QFont& initial) {
    lastInitialFont_ = initial;
    return next<QFont>();
}

} // namespace platform
