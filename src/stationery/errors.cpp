#include "stationery/errors.h"

#include "stationery/file_names.h"

namespace stationery {

namespace {

// What the failure is, for logs and tests: its kind, the detail and the files. The
// words a person reads are made from the same fields, translated, by errorWords().
std::string technical(std::string_view kind, int code, const std::string& detail,
                      const std::filesystem::path& file, const std::filesystem::path& other = {}) {
    std::string text = std::string(kind) + " " + std::to_string(code);
    if (!detail.empty())
        text += ": " + detail;
    for (const std::filesystem::path* path : {&file, &other})
        if (!path->empty())
            text += " [" + utf8FromPath(*path) + "]";
    return text;
}

} // namespace

SaveError::SaveError(std::filesystem::path file, std::string reason)
    : std::runtime_error(technical("save", 0, reason, file)), file_(std::move(file)),
      reason_(std::move(reason)) {}

ReadError::ReadError(Code code, std::string detail, std::filesystem::path file)
    : std::runtime_error(technical("read", int(code), detail, file)), code_(code),
      detail_(std::move(detail)), file_(std::move(file)) {}

ReadError ReadError::inFile(const std::filesystem::path& file) const {
    return ReadError(code_, detail_, file);
}

ExportError::ExportError(Code code, std::filesystem::path source, std::string detail,
                         std::filesystem::path page)
    : std::runtime_error(technical("export", int(code), detail, page, source)), code_(code),
      source_(std::move(source)), detail_(std::move(detail)), page_(std::move(page)) {}

ExportError ExportError::toPage(const std::filesystem::path& page) const {
    return ExportError(code_, source_, detail_, page);
}

} // namespace stationery
