#include "stationery/open_file.h"

#include "stationery/atomic_file.h"
#include "stationery/errors.h"
#include "stationery/file_names.h"
#include "stationery/message_writer.h"
#include "stationery/reader.h"
#include "stationery/template_file.h"
#include "stationery/todays_form.h"

namespace stationery {

namespace fs = std::filesystem;

namespace {

// A page for today's mail clients carries its record in its head.
constexpr std::size_t kPageHead = 64 * 1024;

} // namespace

OpenedStationery openStationeryFile(const fs::path& path, const fs::path& picturesFolder) {
    if (startsAsMessageTemplate(path))
        return openMessageTemplate(path, picturesFolder);
    try {
        return {StationeryReader::readFile(path), false};
    } catch (const ReadError& failure) {
        if (failure.code() != ReadError::Code::NotOurs &&
            failure.code() != ReadError::Code::TooLarge &&
            failure.code() != ReadError::Code::NotText)
            throw;
    }
    std::string head;
    try {
        head = regularFileHead(path, kPageHead);
    } catch (const FileWriteError& error) {
        throw ReadError(ReadError::Code::SystemError, error.reason(), path);
    }
    const std::optional<ReadForm> form = readTodaysForm(head);
    if (!form)
        throw ReadError(ReadError::Code::NotOurs, foreignKind(head), path);
    if (form->incomplete)
        throw ReadError(ReadError::Code::Incomplete, {}, path);
    return {form->settings, true};
}

} // namespace stationery
