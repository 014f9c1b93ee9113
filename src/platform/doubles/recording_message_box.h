#pragma once

#include "platform/message_box.h"

#include <vector>

namespace platform {

// Keeps each message instead of showing it, as if OK were pressed at once.
class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
    };

    void exclamation(QWidget*, const QString& text, const QString& title) override {
        shown.push_back({text, title});
    }

    std::vector<Shown> shown;
};

} // namespace platform
