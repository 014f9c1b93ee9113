#include "platform/export_guards.h"
#include "platform/file_system_paths.h"
#include "platform/picture_loader.h"
#include "platform/platform_error.h"

namespace platform {

std::string pictureProblem(const std::filesystem::path& path) {
    try {
        // The whole file's structure is walked and its first pixels decoded: a decode
        // of all of a camera photo would take longer than the export.
        const QString picture = qStringFromPath(path);
        const QSize size = PictureLoader::naturalSize(picture);
        if (!PictureLoader::partOf(picture, size, QRect(0, 0, 8, 8)).isNull())
            return {};
    } catch (const PlatformError& error) {
        if (error.failure() != Failure::NotAPicture)
            return error.what();
    }
    return "it does not decode as one";
}

stationery::ExportGuards exportGuards() {
    return exportGuards(&pictureProblem);
}

} // namespace platform
