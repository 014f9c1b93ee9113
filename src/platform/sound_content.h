#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "stationery/export.h"

#include <optional>

namespace platform {

// What the sound device makes of a file's content, before anything plays: the one
// judgement of what counts as a sound, for playing and for exporting alike.
class SoundContent {
    Q_DECLARE_TR_FUNCTIONS(SoundContent)

public:
    // Enough of a file's start to hold a WAV file's format chunk.
    static constexpr qint64 kHeadSize = 4096;

    // What a file's first bytes say it is; none when it is no sound.
    static std::optional<stationery::SoundKind> kindOf(const QByteArray& head);
    // Why a WAV file's format cannot be played (a sample rate or channel count no
    // sound card has), or empty when it looks playable. `head` is its first bytes.
    static QString wavFormatProblem(const QByteArray& head);
    // Why a file starting with `head` is not a sound the device plays; empty when it is.
    static QString problem(const QByteArray& head);
    // The same for the file at `path`, read here.
    static QString fileProblem(const QString& path);
    // Where an MP3 file's sound starts, past the ID3v2 tags before it (the sound
    // library's reading of such tags is not to be trusted with a file from elsewhere);
    // nothing when a tag is damaged or runs past the file's end.
    static std::optional<qint64> mp3SoundStart(const QString& path);
};

} // namespace platform
