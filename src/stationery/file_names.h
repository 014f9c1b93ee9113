#pragma once

#include "stationery/settings.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace stationery {

// A bare file name as a relative URL that every browser and mail client reads back as
// the same name: each byte outside letters, digits and "-._~!$&*+,;=@" becomes a
// %-escape (UTF-8 bytes included), so spaces, tabs, line breaks, "#", "?", "%" and
// backslashes can no longer end, redirect or change the link.
std::string fileNameAsUrl(std::string_view fileName);

// Undoes %-escapes ("%20" is a space); anything that is not a well-formed escape stays.
std::string percentDecoded(std::string_view url);

// True for a path that names its place on a computer by itself: "/x", "\\server\x",
// "C:\x" or "C:/x".
bool isFullPath(std::string_view path);

// `path` without "." and ".." steps or doubled separators, and the same made absolute.
// On Windows a \\server\share path keeps its server and share: std::filesystem as
// MinGW builds it takes no share for a root, folds the two backslashes into one and
// makes the path a folder of the current drive.
std::filesystem::path normalPath(const std::filesystem::path& path);
std::filesystem::path absoluteNormalPath(const std::filesystem::path& path);

// The picture or sound path a stationery names, as a file on this computer: a full path
// as it is, and a relative one (an exported page names its files by URL) decoded and
// taken from `folder`, the stationery's own folder. Placeholders and empty paths stay.
std::string resolvedPath(std::string_view path, const std::filesystem::path& folder);

// The record with its picture and sound paths resolved against `folder`; everything
// else as it was. An empty folder changes nothing.
StationerySettings withResolvedPaths(StationerySettings settings,
                                     const std::filesystem::path& folder);

// The record as a stationery in folder `to` names its files, for one read from folder
// `from`: a name that is not a full path stays only when its file is in `to`, and
// becomes the file's full path otherwise, so that it still reaches the same file.
StationerySettings withNamesFor(StationerySettings settings, const std::filesystem::path& from,
                                const std::filesystem::path& to);

// A file name taken from a file from elsewhere (a message's picture), made safe to use
// here: its last part only, control characters and the characters Windows forbids
// ("<>:\"/\\|?*") each made "_", trailing dots and spaces taken off, and the stem
// shortened so that the name fits a file system's 255 bytes. Empty when nothing is left
// ("", ".", "..").
std::string safeFileName(std::string_view name);

// The first of `folder`/`name`, then "name (2).ext", "name (3).ext", ... that `takes`
// accepts: it puts the file there, or finds it there already, and says so, or says the
// name is taken by something else. A stem too long (with or without the number) is
// shortened so that the name fits a file system's 255 bytes. Gives up with
// FileWriteError after a thousand names.
std::filesystem::path
firstFreeName(const std::filesystem::path& folder, const std::filesystem::path& name,
              const std::function<bool(const std::filesystem::path& candidate)>& takes);

// UTF-8 text as a path, and back.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

} // namespace stationery
