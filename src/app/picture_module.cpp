// The picture module: the picture loader alone, with Qt's picture libraries, loaded by
// the command line to judge the pictures it carries.
#include "app/program_modules.h"
#include "platform/export_guards.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void stationeryPictureProblem(const std::filesystem::path& file,
                                                       std::string& problem) {
    problem = platform::pictureProblem(file);
}

// The export has the type the program calls it by.
static_assert(std::is_same_v<decltype(&stationeryPictureProblem), program_modules::PictureProblem>);
