#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

// A path as Qt gives it (from a dialog, a list, the command line), for the file
// functions of the stationery core, and back: the one conversion the program uses.
inline std::filesystem::path fileSystemPath(const QString& path) {
#ifdef Q_OS_WIN
    // Windows' own separators: a name joined to it then reads as one path.
    return std::filesystem::path(path.toStdU16String()).make_preferred();
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

inline QString qStringFromPath(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdU16String(path.u16string());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}
