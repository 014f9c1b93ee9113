#include "platform/export_guards.h"

#include "platform/file_system_paths.h"
#include "platform/picture_loader.h"
#include "platform/platform_error.h"
#include "platform/sound_content.h"

#include <QLocale>
#include <QStandardPaths>

namespace platform {

QString designsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/designs");
}

QString picturesFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/pictures");
}

stationery::ExportGuards exportGuards() {
    stationery::ExportGuards guards;
    guards.pictureProblem = [](const std::filesystem::path& path) -> std::string {
        try {
            // The whole file's structure is walked and its first pixels decoded: a
            // decode of all of a camera photo would take longer than the export.
            const QString picture = qStringFromPath(path);
            const QSize size = PictureLoader::naturalSize(picture);
            if (!PictureLoader::partOf(picture, size, QRect(0, 0, 8, 8)).isNull())
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
    guards.ownFolders = {fileSystemPath(designsFolder()), fileSystemPath(picturesFolder())};
    guards.picturesFolder = fileSystemPath(picturesFolder());
    // A template names the language its writer speaks; the C locale is English.
    const QLocale::Language language = QLocale::system().language();
    guards.messageLanguage = language == QLocale::C || language == QLocale::AnyLanguage
                                 ? std::string("en")
                                 : QLocale::languageToCode(language).toStdString();
    return guards;
}

} // namespace platform
