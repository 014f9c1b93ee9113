#include "platform/export_guards.h"

#include "platform/file_system_paths.h"
#include "platform/sound_content.h"

#include <QLocale>
#include <QStandardPaths>

#include <utility>

namespace platform {

QString designsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/designs");
}

QString picturesFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/pictures");
}

stationery::ExportGuards exportGuards(PictureProblem pictureProblem) {
    stationery::ExportGuards guards;
    guards.pictureProblem = std::move(pictureProblem);
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
