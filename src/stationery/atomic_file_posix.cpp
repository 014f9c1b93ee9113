// Whole-or-nothing file writes on POSIX systems.
#include "stationery/atomic_file.h"
#include "stationery/atomic_file_platform.h"

#include <cerrno>
#include <ctime>
#include <functional>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stationery::detail {

namespace fs = std::filesystem;

namespace {

// A file descriptor that closes itself.
struct Descriptor {
    int value = -1;
    Descriptor() = default;
    explicit Descriptor(int fd) : value(fd) {}
    Descriptor(Descriptor&& other) noexcept : value(other.value) { other.value = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(value, other.value);
        return *this;
    }
    ~Descriptor() {
        if (value >= 0)
            ::close(value);
    }
};

bool writeAll(int fd, std::string_view contents, off_t offset = 0) {
    while (!contents.empty()) {
        const ssize_t written = ::pwrite(fd, contents.data(), contents.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        contents.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// Writes what `contents` produces from the file's start; returns the length written.
off_t writePieces(int fd, const StreamedContents& contents) {
    off_t offset = 0;
    contents.produce([&](std::string_view piece) {
        if (!writeAll(fd, piece, offset))
            fail(errno);
        offset += static_cast<off_t>(piece.size());
    });
    return offset;
}

fs::path folderOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// Makes a new name last through a power cut. Some file systems cannot sync a folder;
// the file itself is already safe then, so this is done as well as it can be.
void syncFolderOf(const fs::path& target) {
    Descriptor dir{::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.value >= 0)
        ::fsync(dir.value);
}

// Whether `name` is exactly the form this program gives its temporary files: ".st-",
// eight lower-case hexadecimal digits, ".tmp".
bool isTemporaryName(std::string_view name) {
    if (name.size() != 16 || !name.starts_with(".st-") || !name.ends_with(".tmp"))
        return false;
    for (const char c : name.substr(4, 8))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// A save takes seconds; a temporary file of ours untouched for this long was left by
// a save that was killed. Anything younger may belong to a save that has made it but
// not yet locked it.
constexpr time_t kLeftoverAgeSeconds = 60 * 60;

// Removes temporary files of ours that a killed save left beside `target`: of our
// name form, the user's own, older than any save takes, and not locked. Each file
// being written is locked by the process writing it, and the lock goes when that
// process does.
void removeLeftovers(const fs::path& target) {
    const fs::path folder = folderOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name))
            continue;
        const fs::path path = folder / entry->d_name;
        Descriptor fd{::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK)};
        struct stat opened {
        }, named{};
        if (fd.value >= 0 && ::fstat(fd.value, &opened) == 0 && S_ISREG(opened.st_mode) &&
            opened.st_uid == ::geteuid() && now - opened.st_mtime > kLeftoverAgeSeconds &&
            ::flock(fd.value, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            opened.st_ino == named.st_ino && opened.st_dev == named.st_dev)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

bool namelessFilesAllowed = true;

// A file being written beside its target: without a name (Linux's O_TMPFILE), so a
// program killed meanwhile leaves nothing behind, or else under a short temporary
// name, removed again unless it was moved into place. It is locked while written, so
// that a name left by a program killed between naming and moving it can be told from
// one still in use, and removed by the next save.
class NewFile {
public:
    NewFile(const fs::path& target, mode_t mode) {
        removeLeftovers(target);
        open(target, mode);
        if (fd_.value >= 0)
            ::flock(fd_.value, LOCK_EX | LOCK_NB);
    }
    ~NewFile() {
        if (!name_.empty())
            ::unlink(name_.c_str());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

private:
    void open(const fs::path& target, mode_t mode) {
#ifdef O_TMPFILE
        // The nameless file is named later through /proc; without /proc it cannot be.
        if (namelessFilesAllowed && ::access("/proc/self/fd", X_OK) == 0) {
            fd_ = Descriptor{
                ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode)};
            if (fd_.value >= 0)
                return;
        }
#endif
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path name = temporaryBeside(target);
            fd_ = Descriptor{::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode)};
            if (fd_.value >= 0) {
                name_ = name;
                return;
            }
            if (errno != EEXIST)
                return;
        }
    }

public:
    bool isOpen() const {
        return fd_.value >= 0;
    }
    int fd() const {
        return fd_.value;
    }

    // Gives the file a name beside `target` if it has none yet: `target` itself when
    // `asTarget` (refused when it exists), else a temporary one.
    bool name(const fs::path& target, bool asTarget) {
        if (!name_.empty())
            return !asTarget || linkTo(name_, target);
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.value);
        if (asTarget)
            return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) ==
                   0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path name = temporaryBeside(target);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                name_ = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    // Moves the named file over `target`.
    bool moveOver(const fs::path& target) {
        if (!name(target, false) || ::rename(name_.c_str(), target.c_str()) != 0)
            return false;
        name_.clear();
        return true;
    }

private:
    // A second name for the temporary file, never taking an existing one; the
    // temporary name goes when this object does.
    static bool linkTo(const fs::path& from, const fs::path& to) {
        if (::link(from.c_str(), to.c_str()) == 0)
            return true;
        if (errno == EEXIST)
            return false;
        // No hard links on this file system (FAT): a rename, after making sure.
        struct stat existing {};
        if (::lstat(to.c_str(), &existing) == 0) {
            errno = EEXIST;
            return false;
        }
        return ::rename(from.c_str(), to.c_str()) == 0;
    }

    Descriptor fd_;
    fs::path name_;
};

// Reads the file from its start to its end, handing each piece and its offset to
// `take`; false (errno set) when reading fails or `take` does.
bool readPieces(int fd, const std::function<bool(std::string_view, off_t)>& take) {
    static thread_local char buffer[256 * 1024];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!take(std::string_view(buffer, static_cast<std::size_t>(got)), offset))
            return false;
        offset += got;
    }
}

bool readAll(int fd, std::string& bytes) {
    return readPieces(fd, [&](std::string_view piece, off_t) {
        bytes.append(piece);
        return true;
    });
}

// No new file may be made or moved beside the target: write the target itself. The new
// length is reserved first, so a full disk usually fails before any old byte is
// overwritten; should anything fail after that, the old bytes are written back.
void rewriteInPlace(const fs::path& target, const StreamedContents& contents, int whyNotBeside) {
    Descriptor file{::open(target.c_str(), O_RDWR | O_CLOEXEC)};
    if (file.value < 0)
        fail(whyNotBeside); // not writable either: the first reason is the one to give
    // Another save rewriting the same file waits for this one, so neither writes into
    // the other's bytes.
    while (::flock(file.value, LOCK_EX) != 0)
        if (errno != EINTR)
            fail(errno);
    std::string old;
    if (!readAll(file.value, old))
        fail(errno);
    if (contents.size > 0) {
        if (const int error = ::posix_fallocate(file.value, 0, static_cast<off_t>(contents.size)))
            fail(error);
    }
    try {
        const off_t length = writePieces(file.value, contents);
        if (::ftruncate(file.value, length) != 0 || ::fsync(file.value) != 0)
            fail(errno);
    } catch (...) {
        if (writeAll(file.value, old) &&
            ::ftruncate(file.value, static_cast<off_t>(old.size())) == 0)
            ::fsync(file.value);
        throw;
    }
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

bool isPermissionError(int error) {
    return error == EACCES || error == EPERM;
}

} // namespace

void replaceTarget(const fs::path& target, const StreamedContents& contents) {
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A read-only file stays read-only, for root too, as it does on Windows.
    if (replacing && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        fail(EACCES);

    NewFile file(target, replacing ? 0600 : 0666);
    if (!file.isOpen()) {
        const int error = errno;
        if (replacing && isPermissionError(error))
            return rewriteInPlace(target, contents, error);
        fail(error);
    }
    if (replacing)
        copyOwnership(file.fd(), old);
    writePieces(file.fd(), contents);
    if (::fsync(file.fd()) != 0)
        fail(errno);
    const bool placed = replacing ? file.moveOver(target) : file.name(target, true);
    if (!placed) {
        const int error = errno;
        // A sticky folder lets only a file's owner replace it, though others may write it.
        if (replacing && isPermissionError(error))
            return rewriteInPlace(target, contents, error);
        fail(error);
    }
    syncFolderOf(target);
}

namespace {

// Writes a new file at `target`, which must not exist, through `fill`, which writes
// its bytes to the descriptor it is given and returns false (errno set) on failure.
bool writeNewFile(const fs::path& target, mode_t mode, const std::function<bool(int)>& fill) {
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) == 0)
        return false;
    NewFile file(target, mode);
    if (!file.isOpen())
        fail(errno);
    if (!fill(file.fd()) || ::fsync(file.fd()) != 0)
        fail(errno);
    if (!file.name(target, true)) {
        if (errno == EEXIST)
            return false;
        fail(errno);
    }
    syncFolderOf(target);
    return true;
}

} // namespace

bool copyWhole(const fs::path& source, const fs::path& target) {
    Descriptor in{::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat from {};
    if (in.value < 0 || ::fstat(in.value, &from) != 0)
        fail(errno);
    if (!S_ISREG(from.st_mode))
        fail(EINVAL);
    // A copy is the user's new file (their umask applies), and never more open than
    // its source: a private file stays private.
    return writeNewFile(target, 0666 & from.st_mode, [&](int out) {
        return readPieces(in.value, [&](std::string_view piece, off_t offset) {
            return writeAll(out, piece, offset);
        });
    });
}

bool createWhole(const fs::path& target, const StreamedContents& contents) {
    return writeNewFile(target, 0666, [&](int out) {
        off_t at = 0;
        bool written = true;
        contents.produce([&](std::string_view piece) {
            written = written && writeAll(out, piece, at);
            at += static_cast<off_t>(piece.size());
        });
        return written;
    });
}

int readRegularPieces(const fs::path& path, const std::function<bool(std::string_view)>& take) {
    // Non-blocking, so that a pipe or device under the name cannot hold the program.
    Descriptor in{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    struct stat info {};
    if (in.value < 0 || ::fstat(in.value, &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    bool stopped = false;
    errno = 0;
    if (!readPieces(in.value,
                    [&](std::string_view piece, off_t) {
                        stopped = !take(piece);
                        return !stopped;
                    }) &&
        !stopped)
        return errno ? errno : EIO;
    return 0;
}

std::optional<std::string> readRegular(const fs::path& path, std::uintmax_t maxBytes) {
    // Non-blocking, so that a pipe or device under the name cannot hold the program.
    Descriptor in{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    struct stat info {};
    if (in.value < 0 || ::fstat(in.value, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return std::nullopt;
    std::string bytes;
    if (!readAll(in.value, bytes))
        return std::nullopt;
    return bytes;
}

void allowNamelessFiles(bool allowed) {
    namelessFilesAllowed = allowed;
}

} // namespace stationery::detail
