#include "stationery/atomic_file.h"

#include <cerrno>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace stationery {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(int error) {
    throw FileWriteError(std::generic_category().message(error ? error : EIO));
}

// The file a path finally names: a symbolic link is followed, link by link, so that
// the save replaces what it points to and the link itself stays.
fs::path finalTarget(const fs::path& path) {
    fs::path target = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error)))
            return target;
        const fs::path link = fs::read_symlink(target, error);
        if (error)
            return target;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    fail(ELOOP);
}

std::string temporaryName(const fs::path& target, std::mt19937& random) {
    std::string name = ".";
    name.append(target.filename().string()).append(".");
    name.append(std::to_string(random() % 1000000000u)).append(".tmp");
    return name;
}

fs::path besideTarget(const fs::path& target, const std::string& name) {
    const fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(name) : folder / name;
}

#ifdef _WIN32

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
        return FlushFileBuffers(value) != 0;
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
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return EIO;
    }
}

// No new file may be made beside the target: write the target itself. Its length is
// first raised to the larger of old and new, so a full disk fails before any old byte
// is overwritten.
void rewriteInPlace(const fs::path& target, std::string_view contents) {
    Handle file{CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.value == INVALID_HANDLE_VALUE)
        fail(lastError());
    LARGE_INTEGER oldSize{};
    if (!GetFileSizeEx(file.value, &oldSize))
        fail(lastError());
    LARGE_INTEGER end{};
    end.QuadPart = std::max<LONGLONG>(oldSize.QuadPart, static_cast<LONGLONG>(contents.size()));
    if (!SetFilePointerEx(file.value, end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.value))
        fail(lastError());
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(file.value, start, nullptr, FILE_BEGIN) || !file.writeAll(contents) ||
        !SetEndOfFile(file.value) || !FlushFileBuffers(file.value))
        fail(lastError());
}

void replaceTarget(const fs::path& target, std::string_view contents) {
    std::random_device seed;
    std::mt19937 random(seed());
    fs::path temporary;
    Handle file;
    for (int attempt = 0; attempt < 100 && file.value == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = besideTarget(target, temporaryName(target, random));
        file.value = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file.value == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file.value == INVALID_HANDLE_VALUE) {
        const int error = lastError();
        std::error_code ignored;
        if (error == EACCES && fs::is_regular_file(target, ignored))
            return rewriteInPlace(target, contents);
        fail(error);
    }
    const bool written = file.writeAll(contents);
    int error = written ? 0 : lastError();
    CloseHandle(file.value);
    file.value = INVALID_HANDLE_VALUE;
    if (written) {
        std::error_code ignored;
        // ReplaceFileW keeps the old file's attributes, owner and security settings.
        const bool replaced =
            fs::exists(target, ignored)
                ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
        if (replaced)
            return;
        error = lastError();
    }
    DeleteFileW(temporary.c_str());
    fail(error);
}

#else

// A POSIX file descriptor that closes itself.
struct Descriptor {
    int value = -1;
    ~Descriptor() {
        if (value >= 0)
            ::close(value);
    }
    bool writeAll(std::string_view contents, off_t offset = 0) const {
        while (!contents.empty()) {
            const ssize_t written = ::pwrite(value, contents.data(), contents.size(), offset);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            contents.remove_prefix(static_cast<std::size_t>(written));
            offset += written;
        }
        return true;
    }
};

// Makes the new name last through a power cut. Some file systems cannot sync a
// folder; the file itself is already safe then, so this is done as well as it can be.
void syncFolderOf(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.value >= 0)
        ::fsync(dir.value);
}

// No new file may be made beside the target: write the target itself. The new length
// is reserved first, so a full disk fails before any old byte is overwritten.
void rewriteInPlace(const fs::path& target, std::string_view contents, int whyNotBeside) {
    Descriptor file{::open(target.c_str(), O_WRONLY | O_CLOEXEC)};
    if (file.value < 0)
        fail(whyNotBeside); // not writable either: the first reason is the one to give
    const off_t length = static_cast<off_t>(contents.size());
    if (length > 0) {
        if (const int error = ::posix_fallocate(file.value, 0, length))
            fail(error);
    }
    if (!file.writeAll(contents) || ::ftruncate(file.value, length) != 0 ||
        ::fsync(file.value) != 0)
        fail(errno);
}

// Gives the new file the old one's permission bits, and its owner and group as far as
// this process may set them.
void copyOwnership(int file, const struct stat& old) {
    ::fchmod(file, old.st_mode & 07777);
    if (::fchown(file, old.st_uid, old.st_gid) != 0 && ::fchown(file, -1, old.st_gid) != 0) {
        // Neither may be set by this user: the file becomes the user's own, as any
        // file they write does.
    }
    ::fchmod(file, old.st_mode & 07777); // chown may clear set-id bits
}

void replaceTarget(const fs::path& target, std::string_view contents) {
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    std::random_device seed;
    std::mt19937 random(seed());
    fs::path temporary;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.value < 0; ++attempt) {
        temporary = besideTarget(target, temporaryName(target, random));
        file.value = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                            replacing ? 0600 : 0666);
        if (file.value < 0 && errno != EEXIST)
            break;
    }
    if (file.value < 0) {
        const int error = errno;
        if (replacing && (error == EACCES || error == EPERM))
            return rewriteInPlace(target, contents, error);
        fail(error);
    }

    if (replacing)
        copyOwnership(file.value, old);
    bool written = file.writeAll(contents) && ::fsync(file.value) == 0;
    int error = errno;
    if (::close(file.value) != 0 && written) {
        written = false;
        error = errno;
    }
    file.value = -1;
    if (written) {
        if (::rename(temporary.c_str(), target.c_str()) == 0) {
            syncFolderOf(target);
            return;
        }
        error = errno;
    }
    ::unlink(temporary.c_str());
    fail(error);
}

#endif

} // namespace

void replaceFileContents(const fs::path& path, std::string_view contents) {
    replaceTarget(finalTarget(path), contents);
}

} // namespace stationery
