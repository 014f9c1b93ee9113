#pragma once

#include <QFile>
#include <QString>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

// Files the tests make that not every system has.
namespace special_files {

// Makes a named pipe at `path`; false where the system has none in its folders (Windows).
inline bool makePipe(const QString& path) {
#ifdef _WIN32
    (void)path;
    return false;
#else
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

// Whether a file its owner may only write can still not be read: not for root, and
// not on Windows, whose permissions Qt sets only as the read-only flag.
inline bool unreadableFilesExist() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() != 0;
#endif
}

} // namespace special_files
