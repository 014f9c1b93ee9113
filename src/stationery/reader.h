#pragma once

#include "stationery/errors.h"
#include "stationery/settings.h"

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stationery {

// Reads back the stationery files this program writes, and the older form of the
// same lines: " bgColor=#" with nothing after it, ticker texts written into the script
// unescaped, "?" for characters the code page lacks, and a comma in the font size.
// Nothing in the file is run or evaluated; it is only matched line by line.
//
// For every file StationeryWriter::render writes, render(read(file)) == file. Values
// the file does not carry (the picture's size without a scrolling script, the sound
// with "No Sound" ticked, a ticker left out) come back as an untouched window has
// them, except that a ticker left out comes back empty.
class StationeryReader {
public:
    // A stationery file is about 5 KB, but long texts in scripts with many bytes a
    // character make more; whatever the writer makes stays far below this.
    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

    static StationerySettings read(std::string_view bytes);
    static StationerySettings readFile(const std::filesystem::path& path);
};

} // namespace stationery
