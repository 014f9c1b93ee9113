#pragma once

#include "stationery/atomic_file.h"
#include "stationery/errors.h"
#include "stationery/file_names.h"
#include "stationery/message_writer.h"
#include "stationery/open_file.h"
#include "stationery/settings.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace stationery {

// The forms a stationery can be exported in.
enum class ExportForm {
    Classic,       // what File > Save writes, with the scrolling script, ticker and sound
    TodaysClients, // script-free, for the mail clients of today
    Message,       // a message template (.eml) with the picture inside it
};

// Everything that tells the export forms apart, one form a line: what the command line
// calls it, how the Export dialog offers it and what the window says once it is
// written (English, for translating), the names it is written under, what it carries,
// its writer and its reader. Adding a form is adding a line.
struct ExportFormat {
    ExportForm form;
    std::string_view name;        // as --form takes it
    std::string_view description; // the Export dialog's file type
    std::string_view written;     // said once written; "%1" is where
    std::string_view patterns;    // "*.htm;*.html": the first gives a name typed without one
    bool claimsItsNames;          // a name with one of its extensions asks for this form
    bool carriesSound;            // the sound is copied beside the page
    bool pictureInside;           // one file: the picture travels inside, nothing is copied
    // The file's bytes for a record whose picture and sound name what the page refers
    // to, made while they are written.
    StreamedContents (*contents)(const StationerySettings& settings);
    // Reads a file of this form back as Open does, its picture (when the file carries
    // it inside) placed into `picturesFolder`; nothing when the file is of another form.
    // Throws ReadError when it is of this form but cannot be read.
    std::optional<OpenedStationery> (*read)(const std::filesystem::path& file,
                                            const std::filesystem::path& picturesFolder);
};
// In the Export dialog's order: the message template first, the form most people need.
const std::vector<ExportFormat>& exportFormats();
const ExportFormat& exportFormat(ExportForm form);
std::optional<ExportForm> formNamed(std::string_view name);

// The form a file name asks for by its extension, in any letter case: ".eml" a message
// template, ".htm" or ".html" the classic page (as the command line has always taken
// them); nothing for other names.
std::optional<ExportForm> formForName(const std::filesystem::path& name);

// What an export may carry and what it must never write over. A stationery can come
// from anywhere and name any file; an export copies what it names to where others read
// it, so it carries only real pictures and sounds, and asks before carrying a file from
// a hidden or system folder.
struct ExportGuards {
    // Why the file is not a picture the form can carry (or a sound, for `soundProblem`),
    // in plain words; empty when it is. Asked after the export's own look at the file's
    // first bytes, by whoever can decode it.
    std::function<std::string(const std::filesystem::path&)> pictureProblem;
    std::function<std::string(const std::filesystem::path&)> soundProblem;
    // The program's own folders inside hidden ones (the designs' pictures): not private.
    std::vector<std::filesystem::path> ownFolders;
    // Asked, with the files, before one from a hidden or system folder is carried; none
    // is carried without it.
    std::function<bool(const std::vector<std::filesystem::path>&)> mayCarryPrivateFiles;
    // The stationery file the export is made from, never written over.
    std::filesystem::path stationeryFile;
    // Where a message template read as the source puts its picture.
    std::filesystem::path picturesFolder;
    // The language a message template names (BCP 47); empty: none.
    std::string messageLanguage;
};

// The sounds the program plays, by their first bytes.
enum class SoundKind { Midi, Wave, Mpeg };
std::optional<SoundKind> soundKindOf(std::string_view head);

// True for a file in a place no stationery has reason to name: a hidden folder or file
// (its name starts with a dot, as ~/.ssh does) or a system folder (/proc, /sys, /dev,
// /etc, /run, /boot, /var), its links followed. `ownFolders` and what is in them are not
// private.
bool isInPrivatePlace(const std::filesystem::path& file,
                      const std::vector<std::filesystem::path>& ownFolders = {});

// The page's bytes for a record whose picture and sound paths are already the names
// the page refers to them by (a message template reads its picture from that path).
std::string renderForExport(const StationerySettings& settings, ExportForm form);

// Writes the stationery at `page` with copies of its picture and (in the classic form,
// unless "No Sound" is ticked or none was chosen) its sound beside it, and the page
// referring to them by file name alone, so the folder can be moved or mailed as it is.
// A different file of the same name already in the folder is never overwritten: the
// copy takes the next free name ("chime (2).wav"). A file with the same bytes is used
// as it is. All or nothing: on failure every file this export made is removed and
// ExportError is thrown. The page is never written over its own picture or sound, nor
// over `guards.stationeryFile`; links to the page are followed, and the copies go beside
// the file really written.
//
// A message template is one file with the picture inside it; nothing is copied.
void exportStationery(const std::filesystem::path& page, const StationerySettings& settings,
                      ExportForm form, const ExportGuards& guards = {});

// The message template of `settings`, its picture checked as an export checks it, to
// be written piece by piece where it goes (an IMAP upload). Throws ExportError when
// the picture cannot be carried; producing it throws ExportError when the picture
// changes or goes meanwhile.
// A copy for a mail account carries `copy`'s subject and mark.
StreamedContents messageTemplate(const StationerySettings& settings,
                                 const ExportGuards& guards = {},
                                 const std::optional<AccountCopy>& copy = std::nullopt);

// The stationery file `source` as an export reads it: its relative names taken from its
// own folder. Throws ReadError when it cannot be read.
StationerySettings stationeryToExport(const std::filesystem::path& source,
                                      const ExportGuards& guards = {});

// Reads the stationery file `source` (its relative names taken from its own folder)
// and exports it to `target`. Throws ReadError when the file cannot be read as a
// stationery, ExportError when the export fails; either way nothing is written. The
// target is never the source itself.
void exportStationeryFile(const std::filesystem::path& source, const std::filesystem::path& target,
                          ExportForm form, ExportGuards guards = {});

} // namespace stationery
