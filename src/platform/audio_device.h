#pragma once

#include "stationery/export.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace platform {

// The engine behind the media control: opens one sound file at a time and plays it.
class AudioDevice {
    Q_DECLARE_TR_FUNCTIONS(AudioDevice)

public:
    enum class Mode { NotOpen, Stopped, Playing, Paused };

    virtual ~AudioDevice() = default;

    // Why nothing can be played on this machine, or empty when sound can be played. A
    // device may wait to find out until a file is first opened: empty before that.
    virtual QString unavailableReason() const = 0;
    // Opens `fileName`, which its name says is an `expected` sound (none: the content
    // tells). Returns why the file cannot be played, or empty on success. Any sound open
    // before is closed first.
    virtual QString open(std::optional<stationery::SoundKind> expected,
                         const QString& fileName) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Ends any sound at once and rewinds.
    virtual void stop() = 0;
    // Ends any sound at once and releases the file.
    virtual void close() = 0;
    // Where the device is; a sound that played to its end is Stopped again.
    virtual Mode mode() const = 0;
};

// For a machine without sound output: opens nothing and says why.
class SilentAudioDevice : public AudioDevice {
public:
    QString unavailableReason() const override;
    QString open(std::optional<stationery::SoundKind> expected, const QString& fileName) override;
    void play() override {}
    void pause() override {}
    void stop() override {}
    void close() override {}
    Mode mode() const override { return Mode::NotOpen; }
};

// The kind of sound a file's name says it is: .mid and .midi MIDI, .wav WAV, whatever
// their case; none for any other name, whose content tells.
std::optional<stationery::SoundKind> soundKindNamedBy(const QString& fileName);

// "MIDI", "WAV" or "MP3", as people name the kinds.
QString soundKindName(stationery::SoundKind kind);

} // namespace platform
