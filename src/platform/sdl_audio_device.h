#pragma once

#include "platform/audio_device.h"

#include <QByteArray>
#include <QCoreApplication>

struct _Mix_Music;

namespace platform {

// Plays MIDI (through a General MIDI soundfont), WAV and MP3 files with SDL_mixer.
// Without a working audio output it opens nothing and says so.
class SdlAudioDevice : public AudioDevice {
    Q_DECLARE_TR_FUNCTIONS(SdlAudioDevice)

public:
    SdlAudioDevice();
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    QString unavailableReason() const override { return unavailable_; }
    QString open(std::optional<stationery::SoundKind> expected, const QString& fileName) override;
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    Mode mode() const override;

    // The General MIDI soundfont MIDI files are played with, or empty.
    static QString soundFont();

private:
    // Opens the audio output the first time it is asked; whether it is open.
    bool openOutput();

    QString unavailable_;
    bool outputTried_ = false;
    bool audioOpen_ = false;
    _Mix_Music* music_ = nullptr;
    bool paused_ = false;
};

} // namespace platform
