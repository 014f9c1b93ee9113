#include "stationery/export.h"

#include "stationery/atomic_file.h"
#include "stationery/todays_clients_writer.h"
#include "stationery/writer.h"

#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

namespace stationery {

namespace fs = std::filesystem;

namespace {

std::string utf8Name(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

fs::path fromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

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

// "chime.wav", then "chime (2).wav", "chime (3).wav", ...
fs::path numberedName(const fs::path& name, int number) {
    if (number == 1)
        return name;
    fs::path numbered = name.stem();
    numbered += " (" + std::to_string(number) + ")";
    numbered += name.extension();
    return numbered;
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

    // Puts `source` in `folder` and returns the name it has there.
    std::string place(const fs::path& source, const fs::path& folder, const fs::path& page,
                      const std::string& what) {
        std::error_code error;
        if (!fs::is_regular_file(source, error))
            fail(what, source, error ? error.message() : "it does not exist or is no file");
        const fs::path name = source.filename();
        for (int number = 1;; ++number) {
            const fs::path candidate = folder / numberedName(name, number);
            if (fs::equivalent(candidate, page, error) || candidate == page)
                continue; // that name is the page's own
            if (fs::exists(fs::symlink_status(candidate, error))) {
                if (sameBytes(source, candidate))
                    return utf8Name(candidate.filename());
                continue;
            }
            // copy_file refuses an existing target, so a file appearing meanwhile is
            // never overwritten.
            if (!fs::copy_file(source, candidate, fs::copy_options::none, error)) {
                if (error == std::errc::file_exists)
                    continue;
                fs::remove(candidate, error);
                fail(what, source, error.message());
            }
            made_.push_back(candidate);
            return utf8Name(candidate.filename());
        }
    }

private:
    [[noreturn]] static void fail(const std::string& what, const fs::path& source,
                                  const std::string& reason) {
        throw ExportError("the " + what + " \"" + utf8Name(source) +
                          "\" could not be copied: " + reason);
    }

    std::vector<fs::path> made_;
    bool kept_ = false;
};

} // namespace

std::string fileNameAsUrl(const std::string& fileName) {
    std::string url;
    for (const char c : fileName) {
        switch (c) {
        case '%':
            url += "%25";
            break;
        case '#':
            url += "%23";
            break;
        case '?':
            url += "%3F";
            break;
        case ':':
            url += "%3A";
            break;
        case '\\': // browsers read it as a folder separator
            url += "%5C";
            break;
        default:
            url += c;
        }
    }
    return url;
}

std::string renderForExport(const StationerySettings& settings, ExportForm form) {
    return form == ExportForm::Classic ? StationeryWriter::render(settings)
                                       : TodaysClientsWriter::render(settings);
}

void exportStationery(const fs::path& page, const StationerySettings& settings, ExportForm form) {
    const fs::path folder = page.parent_path().empty() ? fs::path(".") : page.parent_path();
    StationerySettings exported = settings;
    Copies copies;
    try {
        if (!effectiveImagePath(settings).empty())
            exported.ImagePath =
                fileNameAsUrl(copies.place(fromUtf8(settings.ImagePath), folder, page, "picture"));
        const bool withSound = form == ExportForm::Classic && settings.NoSound == 0 &&
                               settings.SoundPath != kNoSound && !settings.SoundPath.empty();
        if (withSound)
            exported.SoundPath =
                fileNameAsUrl(copies.place(fromUtf8(settings.SoundPath), folder, page, "sound"));
        replaceFileContents(page, renderForExport(exported, form));
    } catch (const FileWriteError& error) {
        throw ExportError("Could not export \"" + utf8Name(page) + "\": " + error.reason() + ".");
    } catch (const ExportError& error) {
        throw ExportError("Could not export \"" + utf8Name(page) + "\": " + error.what() + ".");
    }
    copies.keep();
}

} // namespace stationery
