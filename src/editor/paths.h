#pragma once

#include "platform/file_system_paths.h"

#include <QDir>
#include <QString>

// A folder list's path and a file list's name as one full path: the separator is
// added unless the folder already ends in one, as a drive's root does.
inline QString joinFolderAndFile(QString folder, const QString& fileName) {
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder + fileName;
}
