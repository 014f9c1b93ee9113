#pragma once

#include "platform/dialog_prompter.h"

#include <deque>
#include <variant>

namespace platform {

// Answers each dialog with the next scripted answer, without showing anything. A
// dialog with no answer waiting is cancelled.
class ScriptedDialogs : public DialogPrompter {
public:
    struct Cancel {};
    using Answer = std::variant<Cancel, FileChoice, QString, QColor, QFont>;

    // `type` counts the dialog's file types from 0.
    void answerSave(const QString& path, int type = 0) {
        answers_.emplace_back(std::in_place_type<FileChoice>, FileChoice{path, type});
    }
    void answerOpen(const QString& path) {
        answers_.emplace_back(std::in_place_type<QString>, path);
    }
    void answerColor(const QColor& color) {
        answers_.emplace_back(std::in_place_type<QColor>, color);
    }
    void answerFont(const QFont& font) { answers_.emplace_back(std::in_place_type<QFont>, font); }
    void cancelNext() { answers_.emplace_back(std::in_place_type<Cancel>); }
    // Forgets the answers no dialog asked for.
    void discardAnswers() { answers_.clear(); }

    int shown() const { return shown_; }
    bool allAnswered() const { return answers_.empty(); }
    QString lastInitialFolder() const { return lastInitialFolder_; }
    QString lastTitle() const { return lastTitle_; }
    // The last file dialog's name filters, joined by ";;" as Qt's dialogs take them.
    QString lastNameFilter() const { return lastNameFilter_; }
    QFont lastInitialFont() const { return lastInitialFont_; }
    QColor lastInitialColor() const { return lastInitialColor_; }

    std::optional<FileChoice> saveFileName(QWidget*, const QString& title,
                                           const QString& initialFolder,
                                           const QStringList& nameFilters) override;
    std::optional<QString> openFileName(QWidget*, const QString& initialFolder,
                                        const QStringList& nameFilters) override;
    std::optional<QColor> color(QWidget*, const QColor&) override;
    std::optional<QFont> font(QWidget*, const QFont& initial) override;

private:
    template <typename T> std::optional<T> next();

    std::deque<Answer> answers_;
    int shown_ = 0;
    QString lastInitialFolder_;
    QString lastTitle_;
    QString lastNameFilter_;
    QFont lastInitialFont_;
    QColor lastInitialColor_;
};

} // namespace platform
