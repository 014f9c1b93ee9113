#pragma once

#include "stationery/errors.h"
#include "stationery/file_names.h"
#include "stationery/settings.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace stationery {

// The forms a stationery can be exported in.
enum class ExportForm {
    Classic,       // what File > Save writes, with the scrolling script, ticker and sound
    TodaysClients, // script-free, for the mail clients of today
    Message,       // a message template (.eml) with the picture inside it
};

// The form a file name asks for: ".eml" a message template, ".htm" or ".html" (in any
// letter case) the classic page; nothing for other names.
std::optional<ExportForm> formForName(const std::filesystem::path& name);

// The page's bytes for a record whose picture and sound paths are already the names
// the page refers to them by (a message template reads its picture from that path).
std::string renderForExport(const StationerySettings& settings, ExportForm form);

// Writes the stationery at `page` with copies of its picture and (in the classic form,
// unless "No Sound" is ticked or none was chosen) its sound beside it, and the page
// referring to them by file name alone, so the folder can be moved or mailed as it is.
// A different file of the same name already in the folder is never overwritten: the
// copy takes the next free name ("chime (2).wav"). A file with the same bytes is used
// as it is. All or nothing: on failure every file this export made is removed and
// ExportError is thrown.
//
// A message template is one file with the picture inside it; nothing is copied.
void exportStationery(const std::filesystem::path& page, const StationerySettings& settings,
                      ExportForm form);

// Reads the stationery file `source` (its relative names taken from its own folder)
// and exports it to `target`. Throws ReadError when the file cannot be read as a
// stationery, ExportError when the export fails; either way nothing is written.
void exportStationeryFile(const std::filesystem::path& source, const std::filesystem::path& target,
                          ExportForm form);

} // namespace stationery
