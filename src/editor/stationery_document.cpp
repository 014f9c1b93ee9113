#include "editor/stationery_document.h"

#include "editor/paths.h"
#include "platform/export_guards.h"
#include "stationery/file_names.h"
#include "stationery/reader.h"
#include "stationery/writer.h"

#include <QFileInfo>

StationeryDocument::StationeryDocument(QObject* parent) : QObject(parent) {}

stationery::StationerySettings StationeryDocument::settingsInUse() const {
    return stationery::withResolvedPaths(settings_, fileSystemPath(folder_));
}

void StationeryDocument::edit(const std::function<void(stationery::StationerySettings&)>& change) {
    stationery::StationerySettings edited = settings_;
    change(edited);
    if (edited == settings_)
        return;
    settings_ = std::move(edited);
    setModified(true);
    emit changed();
}

void StationeryDocument::open(const QString& path, const std::function<void()>& show) {
    settings_ = stationery::StationeryReader::readFile(fileSystemPath(path));
    folder_ = QFileInfo(path).absolutePath();
    path_ = path;
    emit changed();
    if (show)
        show();
    setModified(false);
    emit pathChanged(path_);
}

void StationeryDocument::save(const QString& path) {
    // Names relative to the old folder must still reach their files from the new one.
    const QString folder = QFileInfo(path).absolutePath();
    stationery::StationerySettings written =
        folder_.isEmpty()
            ? settings_
            : stationery::withNamesFor(settings_, fileSystemPath(folder_), fileSystemPath(folder));
    stationery::StationeryWriter::save(fileSystemPath(path), written);
    path_ = path;
    folder_ = folder;
    if (written != settings_) {
        settings_ = std::move(written);
        emit changed();
    }
    setModified(false);
    emit pathChanged(path_);
}

void StationeryDocument::exportTo(
    const QString& path, stationery::ExportForm form,
    const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles) const {
    stationery::ExportGuards guards = platform::exportGuards();
    if (!path_.isEmpty())
        guards.stationeryFile = fileSystemPath(path_);
    if (mayCarryPrivateFiles)
        guards.mayCarryPrivateFiles = [&](const std::vector<std::filesystem::path>& files) {
            QStringList shown;
            for (const std::filesystem::path& file : files)
                shown << qStringFromPath(file);
            return mayCarryPrivateFiles(shown);
        };
    stationery::exportStationery(fileSystemPath(path), settingsInUse(), form, guards);
}

void StationeryDocument::writePreview(const QString& page) const {
    stationery::StationeryWriter::save(fileSystemPath(page), settingsInUse());
}

void StationeryDocument::setModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}
