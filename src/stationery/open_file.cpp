#include "stationery/open_file.h"

#include "stationery/atomic_file.h"
#include "stationery/errors.h"
#include "stationery/file_names.h"
#include "stationery/message_writer.h"
#include "stationery/reader.h"
#include "stationery/todays_form.h"

namespace stationery {

namespace fs = std::filesystem;

namespace {

// Templates carry their picture; a camera photo makes them large.
constexpr std::uintmax_t kMaxMessageSize = 256ull * 1024 * 1024;

// The template's picture in the folder, under its own name or the next free one.
fs::path placePicture(const ReadForm& form, const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    fs::path name = pathFromUtf8(safeFileName(form.pictureFileName));
    if (name.empty()) {
        const auto type = MessageWriter::mediaTypeOf(form.pictureBytes).value_or("image/jpeg");
        name = "picture." + type.substr(type.find('/') + 1);
    }
    try {
        return firstFreeName(folder, name, [&](const fs::path& candidate) {
            if (const auto existing = readRegularFile(candidate, form.pictureBytes.size()))
                return *existing == form.pictureBytes;
            if (fs::exists(fs::symlink_status(candidate, error)))
                return false;
            return createFileWhole(candidate, form.pictureBytes);
        });
    } catch (const FileWriteError& failure) {
        throw ReadError(ReadError::Code::SystemError, "its picture could not be written to " +
                                                          utf8FromPath(folder) + ": " +
                                                          failure.reason());
    }
}

} // namespace

OpenedStationery openStationeryFile(const fs::path& path, const fs::path& picturesFolder) {
    try {
        return {StationeryReader::readFile(path), false};
    } catch (const ReadError& failure) {
        if (failure.code() != ReadError::Code::NotOurs &&
            failure.code() != ReadError::Code::TooLarge &&
            failure.code() != ReadError::Code::NotText)
            throw;
    }
    const std::optional<std::string> bytes = readRegularFile(path, kMaxMessageSize);
    if (!bytes)
        throw ReadError(ReadError::Code::TooLarge, {}, path);
    std::optional<ReadForm> form = readTodaysForm(*bytes);
    if (!form)
        throw ReadError(ReadError::Code::NotOurs, foreignKind(*bytes), path);
    if (form->incomplete)
        throw ReadError(ReadError::Code::Incomplete, {}, path);
    OpenedStationery opened{form->settings, true};
    if (form->isMessage && !form->pictureBytes.empty())
        opened.settings.ImagePath = utf8FromPath(placePicture(*form, picturesFolder));
    return opened;
}

} // namespace stationery
