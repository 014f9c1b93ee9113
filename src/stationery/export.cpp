#include "stationery/export.h"

#include "stationery/atomic_file.h"
#include "stationery/file_names.h"
#include "stationery/message_writer.h"
#include "stationery/reader.h"
#include "stationery/todays_clients_writer.h"
#include "stationery/writer.h"

#include <cctype>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

namespace stationery {

namespace fs = std::filesystem;

namespace {

bool sameBytes(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::file_size(a, error) != fs::file_size(b, error) || error)
        return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    char bufferA[64 * 1024];
    char bufferB[sizeof bufferA];
    while (first && second) {
        first.read(bufferA, sizeof bufferA);
        second.read(bufferB, sizeof bufferB);
        if (first.gcount() != second.gcount() ||
            !std::equal(bufferA, bufferA + first.gcount(), bufferB))
            return false;
    }
    return first.eof() && second.eof();
}

// The longest name most file systems allow, in bytes.
constexpr std::size_t kMaxNameBytes = 255;

// `text` cut to at most `bytes` bytes without splitting a UTF-8 character.
std::string cutToBytes(std::string text, std::size_t bytes) {
    if (text.size() <= bytes)
        return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
    return text;
}

// "chime.wav", then "chime (2).wav", "chime (3).wav", ...; a stem too long for the
// number is shortened so that the name still fits.
fs::path numberedName(const fs::path& name, int number) {
    if (number == 1)
        return name;
    const std::string suffix = " (" + std::to_string(number) + ")" + utf8FromPath(name.extension());
    const std::size_t room = kMaxNameBytes > suffix.size() ? kMaxNameBytes - suffix.size() : 0;
    return pathFromUtf8(cutToBytes(utf8FromPath(name.stem()), room) + suffix);
}

// The same file, whether either name exists yet or not.
bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    const fs::path canonicalA = fs::weakly_canonical(a, error);
    if (error)
        return a == b;
    const fs::path canonicalB = fs::weakly_canonical(b, error);
    return error ? a == b : canonicalA == canonicalB;
}

// What a failed copy of the picture or of the sound is reported as.
struct CopiedPart {
    ExportError::Code missing;
    ExportError::Code underPage;
    ExportError::Code notCopied;
};
constexpr CopiedPart kPicture{ExportError::Code::PictureMissing,
                              ExportError::Code::PictureUnderPage,
                              ExportError::Code::PictureNotCopied};
constexpr CopiedPart kSound{ExportError::Code::SoundMissing, ExportError::Code::SoundUnderPage,
                            ExportError::Code::SoundNotCopied};

// Copies made so far; removed again unless the export completes.
class Copies {
public:
    ~Copies() {
        std::error_code ignored;
        if (!kept_)
            for (const fs::path& made : made_)
                fs::remove(made, ignored);
    }
    void keep() { kept_ = true; }

    // Puts `source` in `folder` and returns the name it has there. `page` is the file
    // the page will be written to, its links followed.
    std::string place(const fs::path& source, const fs::path& folder, const fs::path& page,
                      const CopiedPart& part) {
        std::error_code error;
        if (!fs::is_regular_file(source, error)) {
            if (error)
                throw ExportError(part.notCopied, source, error.message());
            throw ExportError(part.missing, source, {});
        }
        if (sameFile(source, page))
            throw ExportError(part.underPage, source, {});
        const fs::path name = source.filename();
        for (int number = 1;; ++number) {
            const fs::path candidate = folder / numberedName(name, number);
            if (sameFile(candidate, page))
                continue; // that name is the page's own
            if (fs::exists(fs::symlink_status(candidate, error))) {
                if (sameBytes(source, candidate))
                    return utf8FromPath(candidate.filename());
                continue;
            }
            try {
                // Refuses a name taken meanwhile: an existing file is never overwritten.
                if (!copyFileWhole(source, candidate))
                    continue;
            } catch (const FileWriteError& failure) {
                throw ExportError(part.notCopied, source, failure.reason());
            }
            made_.push_back(candidate);
            return utf8FromPath(candidate.filename());
        }
    }

private:
    std::vector<fs::path> made_;
    bool kept_ = false;
};

} // namespace

std::string renderForExport(const StationerySettings& settings, ExportForm form) {
    switch (form) {
    case ExportForm::Classic:
        return StationeryWriter::render(settings);
    case ExportForm::TodaysClients:
        return TodaysClientsWriter::render(settings);
    case ExportForm::Message:
        break;
    }
    return MessageWriter::render(settings, MessageWriter::readPicture(settings));
}

std::optional<ExportForm> formForName(const fs::path& name) {
    std::string extension = utf8FromPath(name.extension());
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".eml")
        return ExportForm::Message;
    if (extension == ".htm" || extension == ".html")
        return ExportForm::Classic;
    return std::nullopt;
}

void exportStationery(const fs::path& page, const StationerySettings& settings, ExportForm form) {
    const fs::path folder = page.parent_path().empty() ? fs::path(".") : page.parent_path();
    StationerySettings exported = settings;
    Copies copies;
    try {
        if (form == ExportForm::Message) { // the picture travels inside it
            replaceFileContents(page, renderForExport(settings, form));
            return;
        }
        const fs::path pageTarget = finalTarget(page);
        if (!effectiveImagePath(settings).empty())
            exported.ImagePath = fileNameAsUrl(
                copies.place(pathFromUtf8(settings.ImagePath), folder, pageTarget, kPicture));
        const bool withSound = form == ExportForm::Classic && settings.NoSound == 0 &&
                               settings.SoundPath != kNoSound && !settings.SoundPath.empty();
        if (withSound)
            exported.SoundPath = fileNameAsUrl(
                copies.place(pathFromUtf8(settings.SoundPath), folder, pageTarget, kSound));
        replaceFileContents(page, renderForExport(exported, form));
    } catch (const FileWriteError& error) {
        throw ExportError(ExportError::Code::PageNotWritten, {}, error.reason(), page);
    } catch (const ExportError& error) {
        throw error.toPage(page);
    }
    copies.keep();
}

void exportStationeryFile(const fs::path& source, const fs::path& target, ExportForm form) {
    const StationerySettings settings = StationeryReader::readFile(source);
    std::error_code error;
    const fs::path folder = fs::absolute(source, error).parent_path();
    exportStationery(target, withResolvedPaths(settings, folder), form);
}

} // namespace stationery
