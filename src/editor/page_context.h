#pragma once

#include <functional>

class QWidget;
class StationeryDocument;
class TwipsLayout;

namespace platform {
class MessageBox;
}

// What every page of the editor works with: the document it edits and shows, the
// layout its controls are placed by, and the window's message box and pointer.
struct PageContext {
    StationeryDocument& document;
    const TwipsLayout& layout;
    platform::MessageBox& messages;
    QWidget* window; // the editor window: messages' parent, and where the preview sits
    // Shows the busy pointer while a file is read or written.
    std::function<void(bool busy)> setBusy;
};
