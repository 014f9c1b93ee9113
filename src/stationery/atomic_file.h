#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
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
// is followed and its final target replaced; the link stays. A file the user may not
// write (read-only) is refused. The bytes go to a new file in the same folder (without a
// name where the file system allows it, else under a short temporary name), which takes
// the old file's permissions (and its owner and group where this process may set them),
// is flushed to disk and moved over the target; the folder is then synced.
//
// When no file can be made or moved in the folder (a folder the user may not change, or
// a sticky folder whose other files are not theirs) but the target itself is writable,
// the target is rewritten in place: its new length is reserved first, and the old bytes
// are written back if anything fails after that. Only this case cannot survive the
// program being killed mid-write.
//
// On failure the target keeps its old contents, no temporary file is left and
// FileWriteError is thrown.
void replaceFileContents(const std::filesystem::path& path, std::string_view contents);

// A file's new contents made while they are written, so that a large one never stands
// whole in memory: `produce` hands its pieces, in order, to the writer it is given.
// `size` is what they come to, or about: an in-place rewrite reserves that much first.
// An exception thrown by `produce` ends the write as a failed write does.
struct StreamedContents {
    using Writer = std::function<void(std::string_view piece)>;
    std::uintmax_t size = 0;
    std::function<void(const Writer& write)> produce;
};

// As above, written piece by piece.
void replaceFileContents(const std::filesystem::path& path, const StreamedContents& contents);

// Copies `source` to `target`, which must not exist: the copy is written and synced
// under no name (or a temporary one) and takes the target's name only when whole, so a
// copy cut short never stands under the real name. The copy's permissions are those of
// a new file of the user's, never wider than the source's. Only a regular file is
// copied. Returns false, leaving nothing, when
// `target` exists already; throws FileWriteError when the copy fails.
bool copyFileWhole(const std::filesystem::path& source, const std::filesystem::path& target);

// Writes `contents` as a new file at `target`, whole or not at all, like copyFileWhole:
// returns false, leaving nothing and replacing nothing, when `target` exists already.
bool createFileWhole(const std::filesystem::path& target, std::string_view contents);

// As above, its bytes produced piece by piece. Should producing them throw, nothing is
// left and the exception goes on.
bool createFileWhole(const std::filesystem::path& target, const StreamedContents& contents);

// Hands the regular file at `path` to `take` piece by piece, without ever waiting on a
// pipe or a device under that name; `take` returns false to stop early. Throws
// FileWriteError (the system's reason) when it is not a regular file or cannot be read.
void readRegularFileInPieces(const std::filesystem::path& path,
                             const std::function<bool(std::string_view piece)>& take);

// The first `limit` bytes of the regular file at `path` (all of a shorter one), as
// readRegularFileInPieces reads them.
std::string regularFileHead(const std::filesystem::path& path, std::size_t limit);

// The bytes of the regular file at `path`, read without ever waiting on a pipe or a
// device under that name; nothing when it is not a regular file, cannot be read, or is
// larger than `maxBytes`.
std::optional<std::string> readRegularFile(const std::filesystem::path& path,
                                           std::uintmax_t maxBytes);

// The file a path finally names: symbolic links are followed, link by link, whether or
// not the last one's target exists.
std::filesystem::path finalTarget(const std::filesystem::path& path);

} // namespace stationery
