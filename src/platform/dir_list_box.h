#pragma once

#include "platform/volumes.h"

#include <QListWidget>

namespace platform {

// Shows the open folder with the folders above it and the folders inside it; opening
// an entry (double click or Enter) makes it the path. Every change of the path, by
// the user or in code, raises Change at once.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    DirListBox(const VolumeList& volumes, QWidget* parent = nullptr);

    // The open folder, with native separators; a drive's root ends in a separator.
    QString path() const { return path_; }
    // Opens `path`. A drive's root on its own means the drive's current folder: the
    // program's working folder when it lies on that drive, the root otherwise.
    // Throws PlatformError DeviceUnavailable when the drive is not ready, PathNotFound when there
    // is no such folder; the path is then unchanged.
    void setPath(const QString& path);

signals:
    void changed();

private:
    void open(const QString& folder);
    void fill();

    const VolumeList& volumes_;
    QString path_;
    // Made once, so each size is drawn once however often the list is filled.
    const QIcon openIcon_;
    const QIcon closedIcon_;
};

} // namespace platform
