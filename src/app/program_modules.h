#pragma once

#include <filesystem>
#include <string>

// What the program loads only when it needs it, so that a conversion or an upload from
// the command line starts without the window system's libraries: the window, in the
// module `stationery-window`, and the picture loader for the command line, in
// `stationery-pictures`. The names they export, and their types.
namespace program_modules {

inline constexpr char kWindow[] = "stationery-window";
// Runs the editor's window until it closes; the program's exit status.
inline constexpr char kRunWindow[] = "stationeryRunWindow";
using RunWindow = int (*)(int argc, char* argv[]);

inline constexpr char kPictures[] = "stationery-pictures";
// Why a file is not a picture the program shows, in plain words; empty when it is.
inline constexpr char kPictureProblem[] = "stationeryPictureProblem";
using PictureProblem = void (*)(const std::filesystem::path& file, std::string& problem);

} // namespace program_modules
