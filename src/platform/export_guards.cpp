#include "platform/export_guards.h"

#include "platform/picture_loader.h"
#include "platform/runtime_error.h"
#include "platform/sound_content.h"

#include <QStandardPaths>

namespace platform {

namespace {

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

} // namespace

QString designsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/designs");
}

stationery::ExportGuards exportGuards() {
    stationery::ExportGuards guards;
    guards.pictureProblem = [](const std::filesystem::path& path) -> std::string {
        try {
            // A few pixels suffice: the whole file is walked and decoded at that size.
            if (!PictureLoader::atMost(fromPath(path), QSize(8, 8)).isNull())
                return {};
        } catch (const RuntimeError& error) {
            if (error.number() != error::InvalidPicture)
                return error.what();
        }
        return "it does not decode as one";
    };
    guards.soundProblem = [](const std::filesystem::path& path) {
        return SoundContent::fileProblem(fromPath(path)).toStdString();
    };
    guards.ownFolders = {std::filesystem::path(designsFolder().toStdU16String())};
    return guards;
}

} // namespace platform
