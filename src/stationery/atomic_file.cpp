#include "stationery/atomic_file.h"

#include "stationery/atomic_file_platform.h"

#include <cerrno>
#include <random>
#include <system_error>

namespace stationery {

namespace fs = std::filesystem;

namespace detail {

void fail(int error) {
    throw FileWriteError(std::generic_category().message(error ? error : EIO));
}

fs::path temporaryBeside(const fs::path& target) {
    static thread_local std::mt19937 random{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string name = ".st-";
    for (std::uint32_t value = random(), i = 0; i < 8; ++i, value >>= 4)
        name += kDigits[value & 0xF];
    name += ".tmp";
    const fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(name) : folder / name;
}

} // namespace detail

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
    detail::fail(ELOOP);
}

void replaceFileContents(const fs::path& path, std::string_view contents) {
    replaceFileContents(path, StreamedContents{contents.size(), [contents](const auto& write) {
                                                   write(contents);
                                               }});
}

void replaceFileContents(const fs::path& path, const StreamedContents& contents) {
    detail::replaceTarget(finalTarget(path), contents);
}

bool copyFileWhole(const fs::path& source, const fs::path& target) {
    return detail::copyWhole(source, target);
}

bool createFileWhole(const fs::path& target, std::string_view contents) {
    return detail::createWhole(target, {contents.size(), [contents](const auto& write) {
                                            write(contents);
                                        }});
}

bool createFileWhole(const fs::path& target, const StreamedContents& contents) {
    return detail::createWhole(target, contents);
}

std::string regularFileHead(const fs::path& path, std::size_t limit) {
    std::string head;
    readRegularFileInPieces(path, [&](std::string_view piece) {
        head.append(piece.substr(0, limit - head.size()));
        return head.size() < limit;
    });
    return head;
}

void readRegularFileInPieces(const fs::path& path,
                             const std::function<bool(std::string_view piece)>& take) {
    if (const int error = detail::readRegularPieces(path, take))
        detail::fail(error);
}

std::optional<std::string> readRegularFile(const fs::path& path, std::uintmax_t maxBytes) {
    return detail::readRegular(path, maxBytes);
}

} // namespace stationery
