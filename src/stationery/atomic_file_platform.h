#pragma once
// What atomic_file.cpp needs from each operating system; one of
// atomic_file_posix.cpp and atomic_file_windows.cpp provides it.

#include "stationery/atomic_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace stationery::detail {

// Throws FileWriteError with the words for the error number (EIO for 0).
[[noreturn]] void fail(int error);

// A short hidden name for a file that is being written ("~st-1a2b3c4d.tmp" beside the
// target): it always fits the 255-byte limit on a name, whatever the target is called.
std::filesystem::path temporaryBeside(const std::filesystem::path& target);

void replaceTarget(const std::filesystem::path& target, const StreamedContents& contents);
bool copyWhole(const std::filesystem::path& source, const std::filesystem::path& target);
bool createWhole(const std::filesystem::path& target, const StreamedContents& contents);
// 0, or the error number; `take` returns false to stop.
int readRegularPieces(const std::filesystem::path& path,
                      const std::function<bool(std::string_view piece)>& take);
std::optional<std::string> readRegular(const std::filesystem::path& path, std::uintmax_t maxBytes);

#ifndef _WIN32
// Whether new files may be made without a name first (Linux's O_TMPFILE). Tests turn it
// off to run the way file systems without it (FAT, SMB, NFS) make them run.
void allowNamelessFiles(bool allowed);
#endif

} // namespace stationery::detail
