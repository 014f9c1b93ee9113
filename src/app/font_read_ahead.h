#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the window module
// loads. Qt reads it, on the window's thread, when the first text is measured: a few
// milliseconds of parsing that would otherwise hold up the window's first showing.
// Only where Qt takes its fonts from fontconfig; elsewhere it does nothing.
class FontReadAhead {
public:
    FontReadAhead();
    ~FontReadAhead();
    FontReadAhead(const FontReadAhead&) = delete;
    FontReadAhead& operator=(const FontReadAhead&) = delete;

private:
    std::thread reader_;
};
