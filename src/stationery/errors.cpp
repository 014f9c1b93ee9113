#include "stationery/errors.h"

#include "stationery/file_names.h"

namespace stationery {

namespace {

std::string quoted(const std::filesystem::path& file) {
    std::string text(1, '"');
    text += utf8FromPath(file);
    text += '"';
    return text;
}

std::string readReason(ReadError::Code code, const std::string& detail) {
    switch (code) {
    case ReadError::Code::SystemError:
        return detail;
    case ReadError::Code::IsFolder:
        return "it is a folder";
    case ReadError::Code::NotRegularFile:
        return "it is not a regular file";
    case ReadError::Code::TooLarge:
        return "it is larger than 16 MB, and a stationery file is about 5 KB";
    case ReadError::Code::NotText:
        return "it holds bytes that are not text";
    case ReadError::Code::NotOurs:
        if (!detail.empty())
            return "it is " + detail +
                   ", not a stationery, a page for today's mail clients or "
                   "a message template made by this program";
        break;
    case ReadError::Code::BadFontSize:
        return "its font size \"" + detail + "\" is not a number";
    case ReadError::Code::Incomplete:
        return "it is a message template made by this program, but cut off before its end";
    }
    return "it is not a stationery file made by this program";
}

std::string readSentence(ReadError::Code code, const std::string& detail,
                         const std::filesystem::path& file) {
    const std::string reason = readReason(code, detail);
    return file.empty() ? reason : "Could not open " + quoted(file) + ": " + reason + ".";
}

bool isAboutTheSound(ExportError::Code code) {
    using Code = ExportError::Code;
    return code == Code::SoundMissing || code == Code::SoundUnderPage ||
           code == Code::SoundNotCopied || code == Code::SoundNotSupported ||
           code == Code::SoundPrivate;
}

// ": why" when the detail says why, else nothing.
std::string because(const std::string& detail) {
    return detail.empty() ? std::string() : " (" + detail + ")";
}

std::string exportReason(ExportError::Code code, const std::filesystem::path& source,
                         const std::string& detail) {
    using Code = ExportError::Code;
    const std::string file =
        (isAboutTheSound(code) ? "the sound " : "the picture ") + quoted(source);
    switch (code) {
    case Code::PageNotWritten:
        return detail;
    case Code::PictureMissing:
    case Code::SoundMissing:
        return file + " could not be copied: it does not exist or is no file";
    case Code::PictureUnderPage:
    case Code::SoundUnderPage:
        return file + " would be written over by the export";
    case Code::PictureNotCopied:
    case Code::SoundNotCopied:
        return file + " could not be copied: " + detail;
    case Code::PictureNotRead:
        break;
    case Code::PictureChanged:
        return file + " could not be read: it changed while it was read";
    case Code::PictureNotSupported:
        return file + " is not a JPEG, GIF, PNG or BMP picture" + because(detail) +
               ", so it is not carried";
    case Code::SoundNotSupported:
        return file + " is not a MIDI, WAV or MP3 sound" + because(detail) +
               ", so it is not carried";
    case Code::PicturePrivate:
    case Code::SoundPrivate:
        return file + " is in a hidden or system folder, and such a file is carried only " +
               "when you agree";
    case Code::PageIsStationery:
        return "that is the stationery being exported, which would be written over";
    case Code::PageIsFolder:
        return "it is a folder";
    case Code::FolderMissing:
        return "the folder " + quoted(source) + " does not exist";
    }
    return file + " could not be read: " + detail;
}

std::string exportSentence(ExportError::Code code, const std::filesystem::path& source,
                           const std::string& detail, const std::filesystem::path& page) {
    const std::string reason = exportReason(code, source, detail);
    return page.empty() ? reason : "Could not export " + quoted(page) + ": " + reason + ".";
}

} // namespace

SaveError::SaveError(std::filesystem::path file, std::string reason)
    : std::runtime_error("Could not save " + quoted(file) + ": " + reason + "."),
      file_(std::move(file)), reason_(std::move(reason)) {}

ReadError::ReadError(Code code, std::string detail, std::filesystem::path file)
    : std::runtime_error(readSentence(code, detail, file)), code_(code), detail_(std::move(detail)),
      file_(std::move(file)) {}

ReadError ReadError::inFile(const std::filesystem::path& file) const {
    return ReadError(code_, detail_, file);
}

ExportError::ExportError(Code code, std::filesystem::path source, std::string detail,
                         std::filesystem::path page)
    : std::runtime_error(exportSentence(code, source, detail, page)), code_(code),
      source_(std::move(source)), detail_(std::move(detail)), page_(std::move(page)) {}

ExportError ExportError::toPage(const std::filesystem::path& page) const {
    return ExportError(code_, source_, detail_, page);
}

} // namespace stationery
