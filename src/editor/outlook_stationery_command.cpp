#include "editor/outlook_stationery_command.h"

#include "editor/stationery_name.h"
#include "platform/file_system_paths.h"
#include "platform/message_box.h"
#include "stationery/file_names.h"

#include <QDir>
#include <QFileInfo>

OutlookStationeryCommand::OutlookStationeryCommand(Services services, QString folder,
                                                   QObject* parent)
    : QObject(parent), services_(std::move(services)), folder_(std::move(folder)) {}

QString OutlookStationeryCommand::personalStationeryFolder() {
    return QDir(qEnvironmentVariable("APPDATA")).filePath(QStringLiteral("Microsoft/Stationery"));
}

void OutlookStationeryCommand::run() {
    if (!QDir().mkpath(folder_)) {
        services_.messages.exclamation(services_.window,
                                       tr("Outlook's stationery folder \"%1\" could not be made.")
                                           .arg(QDir::toNativeSeparators(folder_)),
                                       tr("Not Exported"));
        return;
    }
    QString page;
    try {
        page = qStringFromPath(stationery::firstFreeName(
            fileSystemPath(folder_),
            fileSystemPath(stationeryName(services_.document) + QStringLiteral(".htm")),
            [](const std::filesystem::path& name) {
                return !QFileInfo::exists(qStringFromPath(name));
            }));
    } catch (const std::exception& error) {
        services_.messages.exclamation(services_.window, QString::fromUtf8(error.what()),
                                       tr("Not Exported"));
        return;
    }
    if (!services_.exportPage(page))
        return;
    services_.showStatus(
        tr("Put into Outlook's personal stationery as \"%1\". Outlook offers it under File > "
           "Options > Mail > Stationery and Fonts > Personal Stationery.")
            .arg(QFileInfo(page).completeBaseName()));
}
