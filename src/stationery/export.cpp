#include "stationery/export.h"
#include "stationery/open_file.h"
#include "stationery/text_bytes.h"

#include "stationery/atomic_file.h"
#include "stationery/file_names.h"
#include "stationery/message_writer.h"
#include "stationery/reader.h"
#include "stationery/template_file.h"
#include "stationery/todays_clients_writer.h"
#include "stationery/todays_form.h"
#include "stationery/writer.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
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
    ExportError::Code notSupported;
    ExportError::Code inPrivatePlace;
};
constexpr CopiedPart kPicture{
    ExportError::Code::PictureMissing, ExportError::Code::PictureUnderPage,
    ExportError::Code::PictureNotCopied, ExportError::Code::PictureNotSupported,
    ExportError::Code::PicturePrivate};
constexpr CopiedPart kSound{ExportError::Code::SoundMissing, ExportError::Code::SoundUnderPage,
                            ExportError::Code::SoundNotCopied, ExportError::Code::SoundNotSupported,
                            ExportError::Code::SoundPrivate};

// The first bytes of a file; fewer when it is shorter or cannot be read.
std::string headOf(const fs::path& file, std::size_t bytes) {
    std::string head(bytes, '\0');
    std::ifstream in(file, std::ios::binary);
    in.read(head.data(), static_cast<std::streamsize>(bytes));
    head.resize(in ? bytes : static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

// A file the stationery names and the export would carry.
struct Carried {
    fs::path source;
    const CopiedPart* part;
};

// Checks everything about the files to carry before anything is written: each is a
// regular file, not the page itself, really a picture or sound, and from a hidden or
// system folder only when the user agrees.
void checkCarried(const std::vector<Carried>& carried, const fs::path& pageTarget,
                  const ExportGuards& guards, bool copied) {
    std::vector<fs::path> privateFiles;
    for (const Carried& file : carried) {
        const CopiedPart& part = *file.part;
        std::error_code error;
        if (!fs::is_regular_file(file.source, error)) {
            if (!copied) // read into a message, not copied
                throw ExportError(ExportError::Code::PictureNotRead, file.source,
                                  error ? error.message()
                                        : std::generic_category().message(ENOENT));
            if (error)
                throw ExportError(part.notCopied, file.source, error.message());
            throw ExportError(part.missing, file.source, {});
        }
        if (!pageTarget.empty() && sameFile(file.source, pageTarget))
            throw ExportError(part.underPage, file.source, {});
        const std::string head = headOf(file.source, 16);
        const bool picture = file.part == &kPicture;
        if (picture ? !MessageWriter::mediaTypeOf(head) : !soundKindOf(head))
            throw ExportError(part.notSupported, file.source, {});
        const auto& deeper = picture ? guards.pictureProblem : guards.soundProblem;
        if (deeper)
            if (const std::string problem = deeper(file.source); !problem.empty())
                throw ExportError(part.notSupported, file.source, problem);
        if (isInPrivatePlace(file.source, guards.ownFolders))
            privateFiles.push_back(file.source);
    }
    if (privateFiles.empty() ||
        (guards.mayCarryPrivateFiles && guards.mayCarryPrivateFiles(privateFiles)))
        return;
    for (const Carried& file : carried)
        if (file.source == privateFiles.front())
            throw ExportError(file.part->inPrivatePlace, file.source, {});
}

// Where the page really goes, checked before anything is made: not a folder, in a
// folder that exists, and not the stationery it is made from.
fs::path checkedPageTarget(const fs::path& page, const ExportGuards& guards) {
    fs::path target;
    try {
        target = finalTarget(page);
    } catch (const FileWriteError& error) {
        throw ExportError(ExportError::Code::PageNotWritten, {}, error.reason());
    }
    std::error_code error;
    if (fs::is_directory(target, error))
        throw ExportError(ExportError::Code::PageIsFolder, {}, {});
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::is_directory(folder, error))
        throw ExportError(ExportError::Code::FolderMissing, folder, {});
    if (!guards.stationeryFile.empty() && sameFile(target, guards.stationeryFile))
        throw ExportError(ExportError::Code::PageIsStationery, {}, {});
    return target;
}

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
        const fs::path placed = firstFreeName(folder, source.filename(), [&](const fs::path& name) {
            std::error_code error;
            if (sameFile(name, page))
                return false; // that name is the page's own
            if (fs::exists(fs::symlink_status(name, error)))
                return sameBytes(source, name);
            try {
                // Refuses a name taken meanwhile: an existing file is never overwritten.
                if (!copyFileWhole(source, name))
                    return false;
            } catch (const FileWriteError& failure) {
                throw ExportError(part.notCopied, source, failure.reason());
            }
            made_.push_back(name);
            return true;
        });
        return utf8FromPath(placed.filename());
    }

private:
    std::vector<fs::path> made_;
    bool kept_ = false;
};

} // namespace

namespace {

StreamedContents whole(std::string bytes) {
    const std::uintmax_t size = bytes.size();
    return {size, [bytes = std::move(bytes)](const StreamedContents::Writer& write) {
                write(bytes);
            }};
}

} // namespace

namespace {

std::optional<OpenedStationery> openClassic(const fs::path& file) {
    try {
        return OpenedStationery{StationeryReader::readFile(file), false};
    } catch (const ReadError& failure) {
        // Too large or not text for a classic file may still be another form.
        if (failure.code() != ReadError::Code::NotOurs &&
            failure.code() != ReadError::Code::TooLarge &&
            failure.code() != ReadError::Code::NotText)
            throw;
    }
    return std::nullopt;
}

std::optional<OpenedStationery> openTodaysPage(const fs::path& file) {
    const std::optional<ReadForm> form = readTodaysForm(fileHead(file));
    if (!form)
        return std::nullopt;
    if (form->incomplete)
        throw ReadError(ReadError::Code::Incomplete, {}, file);
    return OpenedStationery{form->settings, true};
}

} // namespace

const std::vector<ExportFormat>& exportFormats() {
    static const std::vector<ExportFormat> formats = {
        {ExportForm::Message, "message",
         "Message template, opens as a new message in Thunderbird, Outlook, Apple Mail",
         "Exported to %1. Open it with your mail client for a new message on this stationery, "
         "or use File > New Message in Mail Client.",
         "*.eml", true, false, true,
         [](const StationerySettings& s) { return MessageWriter::streamed(s); },
         [](const fs::path& file, const fs::path& pictures) -> std::optional<OpenedStationery> {
             if (!startsAsMessageTemplate(file))
                 return std::nullopt;
             return openMessageTemplate(file, pictures);
         }},
        {ExportForm::TodaysClients, "todays",
         "Web page for today's mail clients, with its picture beside it",
         "Exported to %1 with its picture beside it. Choose it as stationery in your mail "
         "client, or open it in a browser.",
         "*.htm;*.html", false, false, false,
         [](const StationerySettings& s) { return whole(TodaysClientsWriter::render(s)); },
         [](const fs::path& file, const fs::path&) {
             return openTodaysPage(file);
         }},
        {ExportForm::Classic, "classic",
         "Classic stationery with script, ticker and sound, for old mail clients",
         "Exported to %1 with its picture and sound beside it, for mail clients that still run "
         "stationery scripts.",
         "*.htm;*.html", true, true, false,
         [](const StationerySettings& s) { return whole(StationeryWriter::render(s)); },
         [](const fs::path& file, const fs::path&) {
             return openClassic(file);
         }},
    };
    return formats;
}

const ExportFormat& exportFormat(ExportForm form) {
    for (const ExportFormat& format : exportFormats())
        if (format.form == form)
            return format;
    return exportFormats().front();
}

std::optional<ExportForm> formNamed(std::string_view name) {
    for (const ExportFormat& format : exportFormats())
        if (format.name == name)
            return format.form;
    return std::nullopt;
}

std::string renderForExport(const StationerySettings& settings, ExportForm form) {
    const StreamedContents contents = exportFormat(form).contents(settings);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(contents.size));
    contents.produce([&bytes](std::string_view piece) { bytes += piece; });
    return bytes;
}

std::optional<ExportForm> formForName(const fs::path& name) {
    std::string extension = utf8FromPath(name.extension());
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension.empty())
        return std::nullopt;
    for (const ExportFormat& format : exportFormats()) {
        if (!format.claimsItsNames)
            continue;
        std::string_view patterns = format.patterns;
        while (!patterns.empty()) {
            const std::size_t end = std::min(patterns.find(';'), patterns.size());
            if (patterns.substr(0, end) == "*" + extension)
                return format.form;
            patterns.remove_prefix(std::min(end + 1, patterns.size()));
        }
    }
    return std::nullopt;
}

std::optional<SoundKind> soundKindOf(std::string_view head) {
    if (head.starts_with("MThd"))
        return SoundKind::Midi;
    if (head.starts_with("RIFF") && head.size() >= 12 && head.substr(8, 4) == "WAVE")
        return SoundKind::Wave;
    if (head.starts_with("ID3") ||
        (head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
         (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0))
        return SoundKind::Mpeg;
    return std::nullopt;
}

bool isInPrivatePlace(const fs::path& file, const std::vector<fs::path>& ownFolders) {
    std::error_code error;
    fs::path place = fs::weakly_canonical(absoluteNormalPath(file), error);
    if (error)
        place = absoluteNormalPath(file);
    for (const fs::path& own : ownFolders) {
        const fs::path ownPlace = fs::weakly_canonical(own, error);
        if (error)
            continue;
        const auto ownEnd =
            std::mismatch(ownPlace.begin(), ownPlace.end(), place.begin(), place.end()).first;
        if (ownEnd == ownPlace.end() || (std::next(ownEnd) == ownPlace.end() && ownEnd->empty()))
            return false;
    }
    int depth = 0;
    for (const fs::path& part : place.relative_path()) {
        const std::string name = utf8FromPath(part);
        if (name.size() > 1 && name.front() == '.' && name != "..")
            return true;
#ifndef _WIN32
        if (depth == 0 && place.has_root_directory())
            for (const char* system : {"proc", "sys", "dev", "etc", "run", "boot", "var"})
                if (name == system)
                    return true;
#endif
        ++depth;
    }
    return false;
}

void exportStationery(const fs::path& page, const StationerySettings& settings, ExportForm form,
                      const ExportGuards& guards) {
    StationerySettings exported = settings;
    Copies copies;
    try {
        const fs::path pageTarget = checkedPageTarget(page, guards);
        const fs::path folder =
            pageTarget.parent_path().empty() ? fs::path(".") : pageTarget.parent_path();
        std::vector<Carried> carried;
        const bool withPicture = !picturePath(settings).empty();
        if (withPicture)
            carried.push_back({pathFromUtf8(picturePath(settings)), &kPicture});
        const ExportFormat& format = exportFormat(form);
        const bool withSound = format.carriesSound && soundInUse(settings);
        if (withSound)
            carried.push_back({pathFromUtf8(soundPath(settings)), &kSound});
        checkCarried(carried, pageTarget, guards, !format.pictureInside);

        if (format.pictureInside) {
            StationerySettings message = settings;
            message.language = guards.messageLanguage;
            replaceFileContents(pageTarget, format.contents(message));
            return;
        }
        if (withPicture)
            exported.picture =
                fileNameAsUrl(copies.place(carried.front().source, folder, pageTarget, kPicture));
        if (withSound)
            exported.sound =
                fileNameAsUrl(copies.place(carried.back().source, folder, pageTarget, kSound));
        replaceFileContents(pageTarget, format.contents(exported));
    } catch (const FileWriteError& error) {
        throw ExportError(ExportError::Code::PageNotWritten, {}, error.reason(), page);
    } catch (const ExportError& error) {
        throw error.toPage(page);
    }
    copies.keep();
}

StreamedContents messageTemplate(const StationerySettings& settings, const ExportGuards& guards,
                                 const std::optional<AccountCopy>& copy) {
    std::vector<Carried> carried;
    if (!picturePath(settings).empty())
        carried.push_back({pathFromUtf8(picturePath(settings)), &kPicture});
    checkCarried(carried, {}, guards, false);
    StationerySettings message = settings;
    message.language = guards.messageLanguage;
    return MessageWriter::streamed(message, copy);
}

StationerySettings stationeryToExport(const fs::path& source, const ExportGuards& guards) {
    const StationerySettings settings =
        openStationeryFile(source, guards.picturesFolder.empty() ? fs::temp_directory_path()
                                                                 : guards.picturesFolder)
            .settings;
    return withResolvedPaths(settings, absoluteNormalPath(source).parent_path());
}

void exportStationeryFile(const fs::path& source, const fs::path& target, ExportForm form,
                          ExportGuards guards) {
    const StationerySettings settings = stationeryToExport(source, guards);
    guards.stationeryFile = source;
    exportStationery(target, settings, form, guards);
}

} // namespace stationery
