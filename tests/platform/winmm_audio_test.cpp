// Windows' own sound playback, through the module the program loads: a sound plays, or,
// where the computer has no sound device, it says so in the words the program has always
// used; never a crash.
#include "picture_files.h"
#include "platform/loaded_audio_device.h"
#include "sound_files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

TEST(WinmmAudio, PlaysEveryKindOrSaysThereIsNoDevice) {
    QTemporaryDir folder;
    LoadedAudioDevice audio(u"stationery-audio"_s, {QStringLiteral(STATIONERY_AUDIO_MODULE_DIR)});
    const struct {
        QString name;
        QByteArray bytes;
        std::optional<stationery::SoundKind> kind;
    } sounds[] = {
        {u"tone.wav"_s, sound_files::sineWav(), stationery::SoundKind::Wave},
        {u"Été.mid"_s, sound_files::oneNoteMidi(), stationery::SoundKind::Midi},
    };
    for (const auto& sound : sounds) {
        const QString path = folder.filePath(sound.name);
        picture_files::write(path, sound.bytes);
        const QString problem = audio.open(sound.kind, path);
        if (!problem.isEmpty()) {
            EXPECT_EQ(problem, u"Device Not Avaible... Put a Disk in and Try again"_s)
                << problem.toStdString();
            EXPECT_EQ(audio.mode(), AudioDevice::Mode::NotOpen);
            continue;
        }
        audio.play();
        audio.pause();
        audio.stop();
        EXPECT_EQ(audio.mode(), AudioDevice::Mode::Stopped) << sound.name.toStdString();
        audio.close();
        EXPECT_EQ(audio.mode(), AudioDevice::Mode::NotOpen);
    }
    // A file that is no sound is refused in words, device or not.
    const QString notes = folder.filePath(u"notes.wav"_s);
    picture_files::write(notes, "just some text");
    EXPECT_FALSE(audio.open(stationery::SoundKind::Wave, notes).isEmpty());
}

} // namespace
} // namespace platform
