// The sound device's open on arbitrary bytes: it must open the file or refuse it
// with a reason, never crash. SDL's dummy driver stands in for a sound card.
#include "platform/sdl_audio_device.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

platform::SdlAudioDevice* device = nullptr;
QString soundPath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    qputenv("SDL_AUDIODRIVER", "dummy");
    // Loading the real soundfont takes seconds; the MIDI path is refused early here.
    qputenv("SDL_SOUNDFONTS", "/nonexistent.sf2");
    device = new platform::SdlAudioDevice;
    if (!device->unavailableReason().isEmpty())
        std::abort();
    soundPath = QDir::temp().filePath(
        QStringLiteral("sound-fuzz-%1.snd").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file(soundPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    for (const auto expected :
         {std::optional<stationery::SoundKind>(), std::optional(stationery::SoundKind::Wave),
          std::optional(stationery::SoundKind::Midi)}) {
        const QString problem = device->open(expected, soundPath);
        const bool opened = device->mode() != platform::AudioDevice::Mode::NotOpen;
        if (problem.isEmpty() != opened)
            std::abort(); // either open, or refused with a reason
        if (opened) {
            device->play();
            device->pause();
            device->stop();
        }
        device->close();
    }
    return 0;
}
