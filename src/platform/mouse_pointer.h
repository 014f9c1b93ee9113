#pragma once

namespace platform {

// The mouse pointers a window shows, by the numbers its MousePointer property takes.
enum MousePointer : int {
    PointerDefault = 0,
    PointerHourglass = 11, // while a file is loaded or written
};

} // namespace platform
