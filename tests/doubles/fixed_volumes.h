#pragma once

#include "platform/volumes.h"

namespace platform {

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
