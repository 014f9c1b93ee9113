#pragma once

#include <QStringList>

namespace platform {

enum class FolderEntries { Files, Folders };

// The visible plain files, or the visible subfolders, of `folder` whose names match
// one of `patterns` ("*.jpg", letter case ignored; none means every name), sorted
// without regard to case. A folder that cannot be read has no entries. On POSIX
// systems names are checked as the directory gives them, before any conversion or
// status call, so a folder of 100,000 files lists about as fast as it can be read.
QStringList listFolder(const QString& folder, FolderEntries kind, const QStringList& patterns = {});

} // namespace platform
