#include "platform/audio_device.h"

namespace platform {

QString SilentAudioDevice::unavailableReason() const {
    return AudioDevice::tr("No audio device is available.");
}

QString SilentAudioDevice::open(const QString&, const QString&) {
    return unavailableReason();
}

} // namespace platform
