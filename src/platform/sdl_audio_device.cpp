#include "platform/sdl_audio_device.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {

namespace {

QString sdlError() {
    return QString::fromUtf8(SDL_GetError());
}

} // namespace

SdlAudioDevice::SdlAudioDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        unavailable_ = QStringLiteral("No audio device is available (%1).").arg(sdlError());
        return;
    }
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    const QString font = soundFont();
    if (!font.isEmpty())
        Mix_SetSoundFonts(QFile::encodeName(font).constData());
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        unavailable_ = QStringLiteral("No audio device is available (%1).").arg(sdlError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    audioOpen_ = true;
}

SdlAudioDevice::~SdlAudioDevice() {
    close();
    if (audioOpen_) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

QString SdlAudioDevice::soundFont() {
    const QByteArray fromEnvironment = qgetenv("SDL_SOUNDFONTS");
    if (!fromEnvironment.isEmpty())
        return QFile::decodeName(fromEnvironment);
    for (const char* candidate :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2"}) {
        if (QFileInfo::exists(QString::fromLatin1(candidate)))
            return QString::fromLatin1(candidate);
    }
    return QString();
}

QString SdlAudioDevice::deviceTypeOfContent(const QByteArray& head) {
    if (head.startsWith("MThd"))
        return QStringLiteral("Sequencer");
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE")
        return QStringLiteral("Waveaudio");
    if (head.startsWith("ID3") ||
        (head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
         (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0))
        return QStringLiteral("MPEGVideo");
    return QString();
}

QString SdlAudioDevice::open(const QString& deviceType, const QString& fileName) {
    close();
    if (!audioOpen_)
        return unavailable_;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The file cannot be read: %1.").arg(file.errorString());
    const QString content = deviceTypeOfContent(file.read(12));
    file.close();
    if (content.isEmpty())
        return QStringLiteral("This file is not a MIDI, WAV or MP3 sound.");
    if (!deviceType.isEmpty() && deviceType != content)
        return QStringLiteral("This file cannot be played by the %1 device.").arg(deviceType);
    if (content == QLatin1String("Sequencer") && soundFont().isEmpty())
        return QStringLiteral("MIDI files need a General MIDI soundfont, and none is installed.");

    SDL_RWops* source = SDL_RWFromFile(QFile::encodeName(fileName).constData(), "rb");
    if (!source)
        return QStringLiteral("The file cannot be read: %1.").arg(sdlError());
    const Mix_MusicType type = content == QLatin1String("Sequencer")   ? MUS_MID
                               : content == QLatin1String("Waveaudio") ? MUS_WAV
                                                                       : MUS_MP3;
    music_ = Mix_LoadMUSType_RW(source, type, SDL_TRUE);
    if (!music_)
        return QStringLiteral("This sound cannot be played: %1.").arg(sdlError());
    return QString();
}

void SdlAudioDevice::play() {
    if (!music_)
        return;
    if (paused_ && Mix_PlayingMusic()) {
        Mix_ResumeMusic();
    } else {
        Mix_HaltMusic();
        Mix_PlayMusic(music_, 1);
    }
    paused_ = false;
}

void SdlAudioDevice::pause() {
    if (music_ && Mix_PlayingMusic() && !paused_) {
        Mix_PauseMusic();
        paused_ = true;
    }
}

void SdlAudioDevice::stop() {
    if (audioOpen_)
        Mix_HaltMusic();
    paused_ = false;
}

void SdlAudioDevice::close() {
    stop();
    if (music_) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
}

AudioDevice::Mode SdlAudioDevice::mode() const {
    if (!music_)
        return Mode::NotOpen;
    if (paused_)
        return Mode::Paused;
    return Mix_PlayingMusic() ? Mode::Playing : Mode::Stopped;
}

} // namespace platform
