#pragma once

#include "stationery/open_file.h"

#include <filesystem>

namespace stationery {

// True when the file starts as a message template this program writes (CR LF or LF
// line ends).
bool startsAsMessageTemplate(const std::filesystem::path& path);

// Reads a message template from its file in pieces, as Export writes one, so that
// one carrying a camera photo never stands whole in memory: its record from the
// page part, and its picture decoded straight into `picturesFolder` (under the next
// free name; a file there with the same bytes is used as it is). Throws ReadError:
// NotOurs, Incomplete (cut off before its end), SystemError.
OpenedStationery openMessageTemplate(const std::filesystem::path& path,
                                     const std::filesystem::path& picturesFolder);

} // namespace stationery
