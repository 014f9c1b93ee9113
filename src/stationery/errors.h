#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace stationery {

// The failures of the core's commands. Each carries what failed as a code, the files
// concerned and the detail (the system's reason, or text quoted from a file), so that
// the window and the command line word it in the reader's language (errorWords());
// what() names the kind, the code, the detail and the files, for logs and tests.

// A save that did not happen; the file that was there before is left as it was.
class SaveError : public std::runtime_error {
public:
    SaveError(std::filesystem::path file, std::string reason);
    const std::filesystem::path& file() const { return file_; }
    // The system's reason ("Permission denied").
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path file_;
    std::string reason_;
};

// A file that could not be opened as a stationery.
class ReadError : public std::runtime_error {
public:
    enum class Code {
        SystemError,      // detail: the system's reason
        IsFolder,         //
        NotRegularFile,   // a pipe, a device
        TooLarge,         // over the reader's limit
        NotText,          // it holds NUL bytes
        NotOurs,          // not the lines this program writes
        BadFontSize,      // detail: the start of the font size
        BadMargin,        // detail: the start of a margin that is no number of pixels
        BadPictureSize,   // detail: the start of a picture size that is no number
        Incomplete,       // a message template cut off before its end
        PictureNotPlaced, // a template's picture could not be written; detail: why
    };
    explicit ReadError(Code code, std::string detail = {}, std::filesystem::path file = {});
    // The same failure, now known to be of `file`.
    ReadError inFile(const std::filesystem::path& file) const;

    Code code() const { return code_; }
    const std::string& detail() const { return detail_; }
    // Empty when bytes were read from no file.
    const std::filesystem::path& file() const { return file_; }

private:
    Code code_;
    std::string detail_;
    std::filesystem::path file_;
};

// An export that did not happen; nothing new was left in the folder.
class ExportError : public std::runtime_error {
public:
    enum class Code {
        PageNotWritten,   // detail: the system's reason
        PictureMissing,   // the chosen picture does not exist or is no file
        SoundMissing,     //
        PictureUnderPage, // the page would be written over the picture
        SoundUnderPage,   //
        PictureNotCopied, // detail: the system's reason
        SoundNotCopied,   // detail: the system's reason
        // A message template reads the picture into itself:
        PictureNotRead,      // detail: the system's reason
        PictureChanged,      // it changed while it was read
        PictureNotSupported, // not a JPEG, GIF, PNG or BMP picture; detail: why, when known
        // Added later; the order above is kept.
        SoundNotSupported, // not a MIDI, WAV or MP3 sound; detail: why, when known
        PicturePrivate,    // in a hidden or system folder, and not agreed to
        SoundPrivate,      //
        PageIsStationery,  // the page would be written over the stationery exported
        PageIsFolder,      //
        FolderMissing,     // the page's folder does not exist; source: that folder
    };
    ExportError(Code code, std::filesystem::path source, std::string detail,
                std::filesystem::path page = {});
    // The same failure, now known to be of an export to `page`.
    ExportError toPage(const std::filesystem::path& page) const;

    Code code() const { return code_; }
    // The picture or sound concerned; empty for PageNotWritten.
    const std::filesystem::path& source() const { return source_; }
    const std::string& detail() const { return detail_; }
    const std::filesystem::path& page() const { return page_; }

private:
    Code code_;
    std::filesystem::path source_;
    std::string detail_;
    std::filesystem::path page_;
};

} // namespace stationery
