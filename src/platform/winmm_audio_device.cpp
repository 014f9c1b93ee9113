#include "platform/winmm_audio_device.h"
#include "platform/sound_content.h"

#include <QDir>
#include <QFile>

#include <windows.h>

#include <mmsystem.h>

namespace platform {

namespace {

// The one sound open at a time goes by this name in every command.
const QString kAlias = QStringLiteral("stationery_sound");

// The MCI device that plays each kind.
QString deviceType(stationery::SoundKind kind) {
    switch (kind) {
    case stationery::SoundKind::Midi:
        return QStringLiteral("sequencer");
    case stationery::SoundKind::Wave:
        return QStringLiteral("waveaudio");
    case stationery::SoundKind::Mpeg:
        break;
    }
    return QStringLiteral("mpegvideo");
}

} // namespace

WinmmAudioDevice::WinmmAudioDevice() {
    if (waveOutGetNumDevs() == 0 && midiOutGetNumDevs() == 0)
        unavailable_ = tr("Device Not Avaible... Put a Disk in and Try again");
}

WinmmAudioDevice::~WinmmAudioDevice() {
    close();
}

QString WinmmAudioDevice::send(const QString& command, QString* answer) {
    wchar_t text[256] = {};
    const MCIERROR error =
        mciSendStringW(reinterpret_cast<const wchar_t*>(command.utf16()), text, 256, nullptr);
    if (answer)
        *answer = QString::fromWCharArray(text);
    if (error == 0)
        return QString();
    wchar_t reason[256] = {};
    if (!mciGetErrorStringW(error, reason, 256))
        return tr("error %1").arg(error);
    return QString::fromWCharArray(reason);
}

QString WinmmAudioDevice::open(std::optional<stationery::SoundKind> expected,
                               const QString& fileName) {
    close();
    if (!unavailable_.isEmpty())
        return unavailable_;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return tr("The file cannot be read: %1.").arg(file.errorString());
    const QByteArray head = file.read(SoundContent::kHeadSize);
    file.close();
    if (const QString problem = SoundContent::problem(head); !problem.isEmpty())
        return problem;
    const std::optional<stationery::SoundKind> content = SoundContent::kindOf(head);
    if (!content)
        return tr("This file is not a sound.");
    if (expected && expected != content)
        return tr("This file is not the %1 sound its name says it is.")
            .arg(soundKindName(*expected));
    // The name in quotes; a quote cannot be in a Windows file name.
    const QString problem =
        send(QStringLiteral("open \"%1\" type %2 alias %3")
                 .arg(QDir::toNativeSeparators(fileName), deviceType(*content), kAlias));
    if (!problem.isEmpty())
        return tr("This sound cannot be played: %1").arg(problem);
    open_ = true;
    return QString();
}

void WinmmAudioDevice::play() {
    if (!open_)
        return;
    if (mode() == Mode::Paused) {
        send(QStringLiteral("resume %1").arg(kAlias));
        return;
    }
    send(QStringLiteral("play %1 from 0").arg(kAlias));
}

void WinmmAudioDevice::pause() {
    if (open_ && mode() == Mode::Playing)
        send(QStringLiteral("pause %1").arg(kAlias));
}

void WinmmAudioDevice::stop() {
    if (!open_)
        return;
    send(QStringLiteral("stop %1").arg(kAlias));
    send(QStringLiteral("seek %1 to start").arg(kAlias));
}

void WinmmAudioDevice::close() {
    if (!open_)
        return;
    send(QStringLiteral("close %1").arg(kAlias));
    open_ = false;
}

AudioDevice::Mode WinmmAudioDevice::mode() const {
    if (!open_)
        return Mode::NotOpen;
    QString answer;
    if (!send(QStringLiteral("status %1 mode").arg(kAlias), &answer).isEmpty())
        return Mode::Stopped;
    if (answer == QLatin1String("playing"))
        return Mode::Playing;
    if (answer == QLatin1String("paused"))
        return Mode::Paused;
    return Mode::Stopped;
}

} // namespace platform
