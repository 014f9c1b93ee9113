// Whole-or-nothing file writes on Windows.
#include "stationery/atomic_file.h"
#include "stationery/atomic_file_platform.h"

#include <algorithm>
#include <cerrno>
#include <string>

#include <windows.h>

namespace stationery::detail {

namespace fs = std::filesystem;

namespace {

// A Windows file handle that closes itself.
struct Handle {
    HANDLE value = INVALID_HANDLE_VALUE;
    ~Handle() {
        if (value != INVALID_HANDLE_VALUE)
            CloseHandle(value);
    }
    bool writeAll(std::string_view contents) const {
        while (!contents.empty()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1 << 30));
            if (!WriteFile(value, contents.data(), chunk, &written, nullptr))
                return false;
            contents.remove_prefix(written);
        }
        return true;
    }
    bool rewind() const {
        LARGE_INTEGER start{};
        return SetFilePointerEx(value, start, nullptr, FILE_BEGIN) != 0;
    }
};

int lastError() {
    // The Windows codes a save meets, in the words the rest of the program uses.
    switch (GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return EIO;
    }
}

// A file read here may be read, written, renamed or removed by others meanwhile, as on
// Linux: a reader never stands in another's way, nor fails because of one.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A new file under a temporary name beside `target`, removed again unless moved.
struct TemporaryFile {
    Handle file;
    fs::path name;
    explicit TemporaryFile(const fs::path& target) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            name = temporaryBeside(target);
            file.value = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file.value != INVALID_HANDLE_VALUE)
                return;
            if (GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        name.clear(); // none was made: nothing to remove
    }
    ~TemporaryFile() {
        if (!name.empty()) {
            CloseHandle(file.value);
            file.value = INVALID_HANDLE_VALUE;
            DeleteFileW(name.c_str());
        }
    }
    bool isOpen() const { return file.value != INVALID_HANDLE_VALUE; }
    // Closes the file and moves it to `target`, replacing an old file only when
    // `replace`.
    bool moveTo(const fs::path& target, bool replace) {
        CloseHandle(file.value);
        file.value = INVALID_HANDLE_VALUE;
        // ReplaceFileW keeps the old file's attributes, owner and security settings.
        const bool moved =
            replace ? ReplaceFileW(target.c_str(), name.c_str(), nullptr,
                                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                    : MoveFileExW(name.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
        if (moved)
            name.clear();
        return moved;
    }
};

// Writes what `contents` produces where the file's pointer stands.
void writePieces(const Handle& file, const StreamedContents& contents) {
    contents.produce([&](std::string_view piece) {
        if (!file.writeAll(piece))
            fail(lastError());
    });
}

// No new file may be made beside the target: write the target itself. Its length is
// first raised to the larger of old and new, so a full disk fails before any old byte
// is overwritten; should anything fail after that, the old bytes are written back.
void rewriteInPlace(const fs::path& target, const StreamedContents& contents) {
    Handle file{CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.value == INVALID_HANDLE_VALUE)
        fail(lastError());
    LARGE_INTEGER oldSize{};
    if (!GetFileSizeEx(file.value, &oldSize))
        fail(lastError());
    std::string old(static_cast<std::size_t>(oldSize.QuadPart), '\0');
    DWORD got = 0;
    if (!old.empty() &&
        (!ReadFile(file.value, old.data(), static_cast<DWORD>(old.size()), &got, nullptr) ||
         got != old.size()))
        fail(lastError());
    LARGE_INTEGER end{};
    end.QuadPart = std::max<LONGLONG>(oldSize.QuadPart, static_cast<LONGLONG>(contents.size));
    if (!SetFilePointerEx(file.value, end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.value))
        fail(lastError());
    try {
        if (!file.rewind())
            fail(lastError());
        writePieces(file, contents);
        if (!SetEndOfFile(file.value) || !FlushFileBuffers(file.value))
            fail(lastError());
    } catch (...) {
        if (file.rewind() && file.writeAll(old) && SetEndOfFile(file.value))
            FlushFileBuffers(file.value);
        throw;
    }
}

} // namespace

void replaceTarget(const fs::path& target, const StreamedContents& contents) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool replacing =
        attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (replacing && (attributes & FILE_ATTRIBUTE_READONLY))
        fail(EACCES);
    TemporaryFile file(target);
    if (!file.isOpen()) {
        const int error = lastError();
        if (replacing && error == EACCES)
            return rewriteInPlace(target, contents);
        fail(error);
    }
    writePieces(file.file, contents);
    if (!FlushFileBuffers(file.file.value))
        fail(lastError());
    if (!file.moveTo(target, replacing))
        fail(lastError());
}

namespace {

// Writes a new file at `target`, which must not exist, through `fill`, which writes its
// bytes to the handle it is given and returns false on failure.
template <typename Fill> bool writeNewFile(const fs::path& target, Fill fill) {
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    TemporaryFile file(target);
    if (!file.isOpen())
        fail(lastError());
    if (!fill(file.file) || !FlushFileBuffers(file.file.value))
        fail(lastError());
    if (file.moveTo(target, false))
        return true;
    const int error = lastError();
    if (error == EEXIST)
        return false;
    fail(error);
}

} // namespace

bool copyWhole(const fs::path& source, const fs::path& target) {
    Handle in{CreateFileW(source.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (in.value == INVALID_HANDLE_VALUE)
        fail(lastError());
    if (GetFileType(in.value) != FILE_TYPE_DISK)
        fail(EINVAL);
    return writeNewFile(target, [&](const Handle& out) {
        std::string buffer(256 * 1024, '\0');
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(in.value, buffer.data(), static_cast<DWORD>(buffer.size()), &got,
                          nullptr))
                return false;
            if (got == 0)
                return true;
            if (!out.writeAll(std::string_view(buffer.data(), got)))
                return false;
        }
    });
}

bool createWhole(const fs::path& target, const StreamedContents& contents) {
    return writeNewFile(target, [&](const Handle& out) {
        bool written = true;
        contents.produce([&](std::string_view piece) { written = written && out.writeAll(piece); });
        return written;
    });
}

int readRegularPieces(const fs::path& path, const std::function<bool(std::string_view)>& take) {
    Handle in{CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (in.value == INVALID_HANDLE_VALUE)
        return lastError();
    if (GetFileType(in.value) != FILE_TYPE_DISK)
        return EINVAL;
    std::string buffer(256 * 1024, '\0');
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in.value, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return lastError();
        if (got == 0 || !take(std::string_view(buffer.data(), got)))
            return 0;
    }
}

std::optional<std::string> readRegular(const fs::path& path, std::uintmax_t maxBytes) {
    Handle in{CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)};
    LARGE_INTEGER size{};
    if (in.value == INVALID_HANDLE_VALUE || GetFileType(in.value) != FILE_TYPE_DISK ||
        !GetFileSizeEx(in.value, &size) || static_cast<std::uintmax_t>(size.QuadPart) > maxBytes)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty() &&
        (!ReadFile(in.value, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
         got != bytes.size()))
        return std::nullopt;
    return bytes;
}

} // namespace stationery::detail
