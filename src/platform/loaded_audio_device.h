#pragma once

#include "platform/audio_device.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace platform {

// The audio device from the sound module, loaded when a sound is first opened. The
// module carries the sound libraries (SDL_mixer and all it plays through), whose
// loading would otherwise take a quarter of the program's start.
class LoadedAudioDevice : public AudioDevice {
public:
    // The module's file name without its suffix, tried in each of `folders` in turn.
    LoadedAudioDevice(QString moduleName, QStringList folders);
    ~LoadedAudioDevice() override;

    QString unavailableReason() const override { return unavailable_; }
    QString open(std::optional<stationery::SoundKind> expected, const QString& fileName) override;
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    Mode mode() const override;

    // The name of the function the module exports: AudioDevice* ()
    static constexpr const char* kFactory = "stationeryCreateAudioDevice";

private:
    bool load();

    QString moduleName_;
    QStringList folders_;
    bool tried_ = false;
    QString unavailable_;
    std::unique_ptr<AudioDevice> device_;
};

} // namespace platform
