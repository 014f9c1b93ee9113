#include "platform/loaded_audio_device.h"

#include <QDir>

namespace platform {

LoadedAudioDevice::LoadedAudioDevice(QString moduleName, QStringList folders)
    : moduleName_(std::move(moduleName)), folders_(std::move(folders)) {}

// The module stays loaded: the device's own threads may still be winding down.
LoadedAudioDevice::~LoadedAudioDevice() = default;

bool LoadedAudioDevice::load() {
    if (tried_)
        return device_ != nullptr;
    tried_ = true;
    QStringList failures;
    for (const QString& folder : folders_) {
        QLibrary library(QDir(folder).filePath(moduleName_));
        using Factory = AudioDevice* (*)();
        if (auto factory = reinterpret_cast<Factory>(library.resolve(kFactory))) {
            device_.reset(factory());
            unavailable_ = device_->unavailableReason();
            return true;
        }
        failures << library.errorString();
    }
    unavailable_ = tr("The sound module could not be loaded (%1).")
                       .arg(failures.isEmpty() ? moduleName_ : failures.join(QStringLiteral("; ")));
    return false;
}

QString LoadedAudioDevice::open(std::optional<stationery::SoundKind> expected,
                                const QString& fileName) {
    if (!load())
        return unavailable_;
    const QString problem = device_->open(expected, fileName);
    unavailable_ = device_->unavailableReason();
    return problem;
}

void LoadedAudioDevice::play() {
    if (device_)
        device_->play();
}

void LoadedAudioDevice::pause() {
    if (device_)
        device_->pause();
}

void LoadedAudioDevice::stop() {
    if (device_)
        device_->stop();
}

void LoadedAudioDevice::close() {
    if (device_)
        device_->close();
}

AudioDevice::Mode LoadedAudioDevice::mode() const {
    return device_ ? device_->mode() : Mode::NotOpen;
}

} // namespace platform
