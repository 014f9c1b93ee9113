#include "stationery/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace stationery {

namespace {

std::string reasonFor(int error) {
    return std::generic_category().message(error);
}

bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Opens a new, uniquely named file beside `target`; never an existing one.
std::FILE* openTemporaryBeside(const std::filesystem::path& target,
                               std::filesystem::path& temporary) {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + target.filename().string() + "." +
                                 std::to_string(random() % 1000000000u) + ".tmp";
        temporary = folder.empty() ? std::filesystem::path(name) : folder / name;
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

} // namespace

void replaceFileContents(const std::filesystem::path& path, std::string_view contents) {
    std::filesystem::path temporary;
    std::FILE* file = openTemporaryBeside(path, temporary);
    if (!file)
        throw FileWriteError(reasonFor(errno ? errno : EIO));

    errno = 0;
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    written = written && flushToDisk(file);
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) {
        std::error_code renameError;
        std::filesystem::rename(temporary, path, renameError);
        if (!renameError)
            return;
        error = renameError.value();
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw FileWriteError(reasonFor(error ? error : EIO));
}

} // namespace stationery
