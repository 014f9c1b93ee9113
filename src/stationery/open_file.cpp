#include "stationery/open_file.h"

#include "stationery/atomic_file.h"
#include "stationery/errors.h"
#include "stationery/export.h"
#include "stationery/todays_form.h"

namespace stationery {

namespace fs = std::filesystem;

namespace {

// A page for today's mail clients carries its record in its head.
constexpr std::size_t kPageHead = 64 * 1024;

} // namespace

std::string fileHead(const fs::path& path) {
    try {
        return regularFileHead(path, kPageHead);
    } catch (const FileWriteError& error) {
        throw ReadError(ReadError::Code::SystemError, error.reason(), path);
    }
}

OpenedStationery openStationeryFile(const fs::path& path, const fs::path& picturesFolder) {
    // The forms whose start tells them apart first, the classic one last but one: its
    // reader takes anything that reads as one.
    static constexpr ExportForm kTried[] = {ExportForm::Message, ExportForm::Classic,
                                            ExportForm::TodaysClients};
    for (const ExportForm form : kTried)
        if (auto opened = exportFormat(form).read(path, picturesFolder))
            return std::move(*opened);
    throw ReadError(ReadError::Code::NotOurs, foreignKind(fileHead(path)), path);
}

} // namespace stationery
