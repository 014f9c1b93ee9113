#include "platform/sdl_audio_device.h"

#include "platform/sound_content.h"

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
    // SDL would otherwise catch SIGINT and SIGTERM and swallow them into its own event
    // queue, which this program never reads: the program could not be ended.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

// Opening the output takes a good part of the program's start (the sound server or
// every ALSA card is asked), so it waits until a sound is first opened.
bool SdlAudioDevice::openOutput() {
    if (outputTried_)
        return audioOpen_;
    outputTried_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        unavailable_ = tr("No audio device is available (%1).").arg(sdlError());
        return false;
    }
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    const QString font = soundFont();
    if (!font.isEmpty())
        Mix_SetSoundFonts(QFile::encodeName(font).constData());
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        unavailable_ = tr("No audio device is available (%1).").arg(sdlError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    audioOpen_ = true;
    return true;
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

QString SdlAudioDevice::open(std::optional<stationery::SoundKind> expected,
                             const QString& fileName) {
    close();
    if (!openOutput())
        return unavailable_;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return tr("The file cannot be read: %1.").arg(file.errorString());
    const QByteArray head = file.read(SoundContent::kHeadSize);
    file.close();
    // SDL's converter trusts a WAV header; a sample rate no sound card has makes it
    // compute sizes that overflow, so the content is looked at first.
    if (const QString problem = SoundContent::problem(head); !problem.isEmpty())
        return problem;
    const std::optional<stationery::SoundKind> content = SoundContent::kindOf(head);
    if (expected && expected != content)
        return tr("This file is not the %1 sound its name says it is.")
            .arg(soundKindName(*expected));
    if (content == stationery::SoundKind::Midi && soundFont().isEmpty())
        return tr("MIDI files need a General MIDI soundfont, and none is installed.");

    qint64 soundStart = 0;
    if (content == stationery::SoundKind::Mpeg) {
        const std::optional<qint64> start = SoundContent::mp3SoundStart(fileName);
        if (!start)
            return tr("This MP3 file's tag is damaged, so it cannot be played.");
        soundStart = *start;
    }
    SDL_RWops* source = SDL_RWFromFile(QFile::encodeName(fileName).constData(), "rb");
    if (!source)
        return tr("The file cannot be read: %1.").arg(sdlError());
    // The library reads from here on, as if the file began here.
    if (SDL_RWseek(source, soundStart, RW_SEEK_SET) != soundStart) {
        SDL_RWclose(source);
        return tr("The file cannot be read: %1.").arg(sdlError());
    }
    const Mix_MusicType type = content == stationery::SoundKind::Midi   ? MUS_MID
                               : content == stationery::SoundKind::Wave ? MUS_WAV
                                                                        : MUS_MP3;
    music_ = Mix_LoadMUSType_RW(source, type, SDL_TRUE);
    if (!music_)
        return tr("This sound cannot be played: %1.").arg(sdlError());
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
