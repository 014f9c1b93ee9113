#pragma once

#include "platform/audio_device.h"

#include <QCoreApplication>

namespace platform {

// Plays MIDI, WAV and MP3 files through Windows' own multimedia API (MCI), which every
// Windows has: no soundfont or codec of ours is needed. Without a sound output it
// opens nothing and says so.
class WinmmAudioDevice : public AudioDevice {
    Q_DECLARE_TR_FUNCTIONS(WinmmAudioDevice)

public:
    WinmmAudioDevice();
    ~WinmmAudioDevice() override;
    WinmmAudioDevice(const WinmmAudioDevice&) = delete;
    WinmmAudioDevice& operator=(const WinmmAudioDevice&) = delete;

    QString unavailableReason() const override { return unavailable_; }
    QString open(std::optional<stationery::SoundKind> expected, const QString& fileName) override;
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    Mode mode() const override;

private:
    // Sends one MCI command; the system's words for its failure, or empty.
    static QString send(const QString& command, QString* answer = nullptr);

    QString unavailable_;
    bool open_ = false;
};

} // namespace platform
