#pragma once

#include "platform/audio_device.h"

#include <QStringList>

namespace platform {

// Plays nothing; keeps every call, and behaves like a device that can open any file
// unless told otherwise.
class RecordingAudioDevice : public AudioDevice {
public:
    QString unavailableReason() const override { return unavailable; }
    QString open(std::optional<stationery::SoundKind> expected, const QString& fileName) override {
        calls.append(QStringLiteral("open ") + (expected ? soundKindName(*expected) : QString()) +
                     QStringLiteral(" ") + fileName);
        if (!openProblem.isEmpty())
            return openProblem;
        mode_ = Mode::Stopped;
        return QString();
    }
    void play() override {
        calls.append(QStringLiteral("play"));
        if (mode_ != Mode::NotOpen)
            mode_ = Mode::Playing;
    }
    void pause() override {
        calls.append(QStringLiteral("pause"));
        if (mode_ == Mode::Playing)
            mode_ = Mode::Paused;
    }
    void stop() override {
        calls.append(QStringLiteral("stop"));
        if (mode_ != Mode::NotOpen)
            mode_ = Mode::Stopped;
    }
    void close() override {
        calls.append(QStringLiteral("close"));
        mode_ = Mode::NotOpen;
    }
    Mode mode() const override { return mode_; }

    QStringList calls;
    QString unavailable;
    QString openProblem;

private:
    Mode mode_ = Mode::NotOpen;
};

} // namespace platform
