#pragma once

#include "platform/volumes.h"

#include <QDir>

#include <algorithm>

namespace platform {

// A floppy drive with no disk in it, beside the drives that hold the tests' files.
#ifdef _WIN32
inline const QString kTestFloppy = QStringLiteral("A:/");
#else
inline const QString kTestFloppy = QStringLiteral("/media/floppy");
#endif

// The drives the tests' machine has: the root of the system's files (on Windows each
// drive that holds the working folder or the temporary files), and the empty floppy.
inline std::vector<Volume> testVolumes() {
#ifdef _WIN32
    std::vector<Volume> volumes;
    for (const QString& path : {QDir::currentPath(), QDir::tempPath()}) {
        const QString root = path.left(3);
        if (std::none_of(volumes.begin(), volumes.end(),
                         [&](const Volume& v) { return v.root == root; }))
            volumes.push_back({root, QString(), true});
    }
#else
    std::vector<Volume> volumes{{QStringLiteral("/"), QString(), true}};
#endif
    volumes.push_back({kTestFloppy, QStringLiteral("FLOPPY"), false});
    return volumes;
}

// A drive list set up by the test, for drives that are not ready and the like.
class FixedVolumeList : public VolumeList {
public:
    explicit FixedVolumeList(std::vector<Volume> volumes) : volumes_(std::move(volumes)) {}
    std::vector<Volume> volumes() const override { return volumes_; }
    void setReady(const QString& root, bool ready) {
        for (Volume& volume : volumes_)
            if (volume.root == root)
                volume.ready = ready;
    }

private:
    std::vector<Volume> volumes_;
};

} // namespace platform
