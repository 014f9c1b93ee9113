#include "platform/audio_device.h"

#include <QFileInfo>

namespace platform {

QString SilentAudioDevice::unavailableReason() const {
    return AudioDevice::tr("No audio device is available.");
}

QString SilentAudioDevice::open(std::optional<stationery::SoundKind>, const QString&) {
    return unavailableReason();
}

std::optional<stationery::SoundKind> soundKindNamedBy(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("mid") || suffix == QLatin1String("midi"))
        return stationery::SoundKind::Midi;
    if (suffix == QLatin1String("wav"))
        return stationery::SoundKind::Wave;
    return std::nullopt;
}

QString soundKindName(stationery::SoundKind kind) {
    switch (kind) {
    case stationery::SoundKind::Midi:
        return QStringLiteral("MIDI");
    case stationery::SoundKind::Wave:
        return QStringLiteral("WAV");
    case stationery::SoundKind::Mpeg:
        return QStringLiteral("MP3");
    }
    return QString();
}

} // namespace platform
