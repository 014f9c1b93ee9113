#pragma once

#include <QDir>
#include <QString>

#include <filesystem>

// A folder list's path and a file list's name as one full path: the separator is
// added unless the folder already ends in one, as a drive's root does.
inline QString joinFolderAndFile(QString folder, const QString& fileName) {
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder + fileName;
}

// A path the dialogs gave, for the file functions of the stationery core.
inline std::filesystem::path fileSystemPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// A path from the stationery core, for showing.
inline QString qStringFromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}
