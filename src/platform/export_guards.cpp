#include "platform/export_guards.h"

#include "platform/file_system_paths.h"
#include "platform/picture_loader.h"
#include "platform/platform_error.h"
#include "platform/sound_content.h"

#include <QStandardPaths>

namespace platform {

QString designsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/designs");
}

stationery::ExportGuards exportGuards() {
    stationery::ExportGuards guards;
    guards.pictureProblem = [](const std::filesystem::path& path) -> std::string {
        try {
            // A few pixels suffice: the whole file is walked and decoded at that size.
            if (!PictureLoader::atMost(qStringFromPath(path), QSize(8, 8)).isNull())
                return {};
        } catch (const PlatformError& error) {
            if (error.failure() != Failure::NotAPicture)
                return error.what();
        }
        return "it does not decode as one";
    };
    guards.soundProblem = [](const std::filesystem::path& path) {
        return SoundContent::fileProblem(qStringFromPath(path)).toStdString();
    };
    guards.ownFolders = {fileSystemPath(designsFolder())};
    return guards;
}

} // namespace platform
