#pragma once

#include <functional>

class QWidget;
class StationeryDocument;

namespace platform {
class MessageBox;
}

// What every page of the editor works with: the document it edits and shows, and the
// window's message box and pointer.
struct PageContext {
    StationeryDocument& document;
    platform::MessageBox& messages;
    QWidget* window; // the editor window: messages' parent, and where the preview sits
    // Shows the busy pointer while a file is read or written.
    std::function<void(bool busy)> setBusy;
};
