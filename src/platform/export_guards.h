#pragma once

#include "stationery/export.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <string>

namespace platform {

// The folder the designs' pictures are written to, inside the program's data folder.
QString designsFolder();
// The folder the pictures of opened message templates are taken out to, beside it.
QString picturesFolder();

// Why a file is not a picture the program shows, in plain words; empty when it is one.
using PictureProblem = std::function<std::string(const std::filesystem::path&)>;

// What an export checks of the files it carries, judged as the program judges them
// when it shows or plays them: a picture must decode (as `pictureProblem` says), a
// sound must be one the sound device plays. The designs' folder counts as the
// program's own. Nothing from a hidden or system folder is carried unless the caller
// adds a question.
stationery::ExportGuards exportGuards(PictureProblem pictureProblem);

// The same, with pictures judged by the program's picture loader.
stationery::ExportGuards exportGuards();
// The picture loader's judgement: the whole file's structure is walked and its first
// pixels decoded.
std::string pictureProblem(const std::filesystem::path& path);

} // namespace platform
