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

// Replaces the file at `path` with `contents`, whole or not at all. A symbolic link
// is followed and its final target replaced; the link stays. The bytes go to a
// temporary file in the same folder, which takes the old file's permissions (and its
// owner and group where this process may set them), is flushed to disk and renamed
// over the target; the folder is then synced. When no file can be made in the folder
// but the target itself is writable, the target is rewritten in place after its new
// length has been reserved. On failure the target keeps its old contents, no
// temporary file is left and FileWriteError is thrown.
void replaceFileContents(const std::filesystem::path& path, std::string_view contents);

} // namespace stationery
