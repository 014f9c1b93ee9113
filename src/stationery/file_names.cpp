#include "stationery/file_names.h"
#include "stationery/text_bytes.h"

#include "stationery/atomic_file.h"
#include "stationery/hex_color.h"

#include <cctype>

namespace stationery {

namespace fs = std::filesystem;

std::string fileNameAsUrl(std::string_view fileName) {
    std::string url = percentEncoded(fileName, "-._~!$&*+,;=@");
    return url;
}

std::string percentDecoded(std::string_view url) {
    std::string text;
    text.reserve(url.size());
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size() && hexDigit(url[i + 1]) >= 0 &&
            hexDigit(url[i + 2]) >= 0) {
            text += static_cast<char>(hexDigit(url[i + 1]) << 4 | hexDigit(url[i + 2]));
            i += 2;
        } else {
            text += url[i];
        }
    }
    return text;
}

bool isFullPath(std::string_view path) {
    if (path.starts_with('/') || path.starts_with('\\'))
        return true;
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

namespace {

// Where the share of a \\server\share path ends (Windows only); 0 for any other path.
std::size_t shareEnd([[maybe_unused]] const fs::path::string_type& text) {
#ifdef _WIN32
    const auto separator = [](wchar_t c) {
        return c == L'\\' || c == L'/';
    };
    if (text.size() < 3 || !separator(text[0]) || !separator(text[1]) || separator(text[2]))
        return 0;
    std::size_t end = 2;
    for (int names = 0; names < 2 && end < text.size(); ++names) {
        while (end < text.size() && !separator(text[end]))
            ++end;
        if (names == 0 && end < text.size())
            ++end; // past the server's separator
    }
    return end;
#else
    return 0;
#endif
}

} // namespace

fs::path normalPath(const fs::path& path) {
    const std::size_t share = shareEnd(path.native());
    if (share == 0)
        return path.lexically_normal();
    fs::path::string_type rest = path.native().substr(share);
    rest = fs::path(rest.empty() ? fs::path::string_type(1, fs::path::preferred_separator) : rest)
               .lexically_normal()
               .native();
    return fs::path(path.native().substr(0, share) + rest);
}

fs::path absoluteNormalPath(const fs::path& path) {
    if (shareEnd(path.native()) > 0)
        return normalPath(path);
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return normalPath(error ? path : absolute);
}

std::string resolvedPath(std::string_view path, const fs::path& folder) {
    if (path.empty() || isFullPath(path) || folder.empty())
        return std::string(path);
    return utf8FromPath(normalPath(folder / pathFromUtf8(percentDecoded(path))));
}

StationerySettings withResolvedPaths(StationerySettings settings, const fs::path& folder) {
    for (std::optional<std::string>* path : {&settings.picture, &settings.sound})
        if (*path)
            *path = resolvedPath(**path, folder);
    return settings;
}

namespace {

bool samePlace(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    const fs::path canonicalA = fs::weakly_canonical(a, error);
    const fs::path canonicalB = error ? fs::path() : fs::weakly_canonical(b, error);
    return !error && canonicalA == canonicalB;
}

// `path`, named from `from`, as it is to be named from `to`.
std::string renamedFor(const std::string& path, const fs::path& from, const fs::path& to) {
    const std::string resolved = resolvedPath(path, from);
    if (resolved == path)
        return path; // a full path reaches the same file from anywhere
    return samePlace(pathFromUtf8(resolvedPath(path, to)), pathFromUtf8(resolved)) ? path
                                                                                   : resolved;
}

} // namespace

StationerySettings withNamesFor(StationerySettings settings, const fs::path& from,
                                const fs::path& to) {
    for (std::optional<std::string>* path : {&settings.picture, &settings.sound})
        if (*path)
            *path = renamedFor(**path, from, to);
    return settings;
}

namespace {

constexpr std::size_t kMaxNameBytes = 255; // what most file systems allow

// "stem" + `suffix`, the stem shortened (on a character's boundary) to fit.
std::string fitted(std::string_view stem, const std::string& suffix) {
    const std::size_t room = kMaxNameBytes > suffix.size() ? kMaxNameBytes - suffix.size() : 0;
    return std::string(utf8Prefix(stem, room)) + suffix;
}

// A name's stem and extension, in UTF-8 ("photo", ".jpg").
std::pair<std::string, std::string> stemAndExtension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || name.size() - dot > 16)
        return {std::string(name), {}};
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot))};
}

} // namespace

std::string safeFileName(std::string_view name) {
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    std::string safe;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool forbidden = byte < 0x20 || byte == 0x7F ||
                               std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
        safe += forbidden ? '_' : c;
    }
    while (!safe.empty() && (safe.back() == '.' || safe.back() == ' '))
        safe.pop_back();
    if (safe.empty())
        return {};
    const auto [stem, extension] = stemAndExtension(safe);
    return fitted(stem, extension);
}

fs::path firstFreeName(const fs::path& folder, const fs::path& name,
                       const std::function<bool(const fs::path&)>& takes) {
    const auto [stem, extension] = stemAndExtension(utf8FromPath(name));
    for (int number = 1; number <= 1000; ++number) {
        const std::string suffix =
            (number > 1 ? " (" + std::to_string(number) + ")" : std::string()) + extension;
        const fs::path candidate = folder / pathFromUtf8(fitted(stem, suffix));
        if (takes(candidate))
            return candidate;
    }
    throw FileWriteError("no free name for " + utf8FromPath(name) + " in " + utf8FromPath(folder));
}

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

} // namespace stationery
