#pragma once

#include "platform/message_box.h"

#include <vector>

namespace platform {

// Keeps each message instead of showing it, as if OK were pressed at once; a question
// is answered with `answer`.
class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
    };

    void exclamation(QWidget*, const QString& text, const QString& title) override {
        shown.push_back({text, title});
    }

    SaveChoice askToSave(QWidget*, const QString& text, const QString& title) override {
        asked.push_back({text, title});
        return answer;
    }

    bool askYesNo(QWidget*, const QString& text, const QString& title) override {
        asked.push_back({text, title});
        return yes;
    }

    std::vector<Shown> shown;
    std::vector<Shown> asked;
    SaveChoice answer = SaveChoice::Cancel;
    bool yes = false;
};

} // namespace platform
