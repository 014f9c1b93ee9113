#pragma once

#include <QElapsedTimer>
#include <QString>

#include <optional>
#include <vector>

namespace platform {

// A mounted volume a user would call a drive: the root file system, home when it is
// separate, removable media.
struct Volume {
    QString root;  // "/", "/media/usb", "C:/"
    QString label; // shown beside the root; may be empty
    bool ready = true;
};

class VolumeList {
public:
    virtual ~VolumeList() = default;
    virtual std::vector<Volume> volumes() const = 0;
    // The volume that holds `path`: the one with the longest root that starts it.
    std::optional<Volume> volumeHolding(const QString& path) const;
};

// The machine's own volumes, without pseudo and system file systems. The mount
// table is read at most once a second: a window asks for it several times in a row.
class SystemVolumeList : public VolumeList {
public:
    std::vector<Volume> volumes() const override;

private:
    mutable std::vector<Volume> cached_;
    mutable QElapsedTimer age_;
};

} // namespace platform
