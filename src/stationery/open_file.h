#pragma once

#include "stationery/settings.h"

#include <filesystem>

namespace stationery {

// A stationery file as Open reads it, in any form this program writes.
struct OpenedStationery {
    StationerySettings settings;
    // Read from the page for today's clients or a message template, which carry no
    // sound and no ticker.
    bool madeForTodaysClients = false;
};

// Reads the classic file, the page for today's mail clients or the message template.
// A template's picture comes out of the message into `picturesFolder`, never over
// another file (a file with the same bytes is used as it is), and the record names it
// there. Throws ReadError: NotOurs, with what the file is when that can be told ("an
// e-mail message not made by this program"), for anything else.
OpenedStationery openStationeryFile(const std::filesystem::path& path,
                                    const std::filesystem::path& picturesFolder);

// The first bytes of a file, as much as tells its form. Throws ReadError: SystemError.
std::string fileHead(const std::filesystem::path& path);

} // namespace stationery
