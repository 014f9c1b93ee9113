#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stationery {

class FileWriteError : public std::runtime_error {
public:
    explicit FileWriteError(std::string reason)
        : std::runtime_error(reason), reason_(std::move(reason)) {}
    // The operating system's reason, in plain words ("Permission denied").
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// Replaces the file at `path` with `contents`, whole or not at all: the bytes go to a
// temporary file in the same folder, which is flushed to disk and then renamed over
// the target. On failure the target keeps its old contents, the temporary file is
// removed and FileWriteError is thrown.
void replaceFileContents(const std::filesystem::path& path, std::string_view contents);

} // namespace stationery
