// Real playback through SDL's "disk" audio driver, which writes what it would play
// to a file: no sound hardware needed, and the samples can be checked.
#include "picture_files.h"
#include "platform/loaded_audio_device.h"
#include "platform/sdl_audio_device.h"
#include "platform/sound_content.h"
#include "sound_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

class SdlAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        output = folder.filePath(u"out.raw"_s);
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
    }
    void TearDown() override { qunsetenv("SDL_AUDIODRIVER"); }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        picture_files::write(path, bytes);
        return path;
    }

    // The loudest sample the driver wrote.
    int loudestSample() {
        QFile raw(output);
        if (!raw.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray bytes = raw.readAll();
        int loudest = 0;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
            const std::int16_t sample = std::int16_t(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8);
            loudest = std::max(loudest, std::abs(int(sample)));
        }
        return loudest;
    }

    bool playsToTheEnd(AudioDevice& device) {
        device.play();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (device.mode() == AudioDevice::Mode::Playing) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            QThread::msleep(20);
        }
        return device.mode() == AudioDevice::Mode::Stopped;
    }

    QTemporaryDir folder;
    QString output;
};

TEST_F(SdlAudioTest, PlaysAWavThroughTheDiskDriver) {
    const QString wav = file(u"tone.wav"_s, sound_files::sineWav(0.3));
    {
        SdlAudioDevice device;
        ASSERT_EQ(device.unavailableReason(), u""_s);
        EXPECT_EQ(device.mode(), AudioDevice::Mode::NotOpen);
        ASSERT_EQ(device.open(stationery::SoundKind::Wave, wav), u""_s);
        EXPECT_EQ(device.mode(), AudioDevice::Mode::Stopped);
        EXPECT_TRUE(playsToTheEnd(device));
        device.close();
        EXPECT_EQ(device.mode(), AudioDevice::Mode::NotOpen);
    }
    EXPECT_GT(loudestSample(), 5000) << "no sound came out";
}

TEST_F(SdlAudioTest, PlaysMidiWithTheSoundfont) {
    if (SdlAudioDevice::soundFont().isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont installed";
    const QString midi = file(u"song.mid"_s, sound_files::oneNoteMidi(0.4));
    {
        SdlAudioDevice device;
        ASSERT_EQ(device.open(stationery::SoundKind::Midi, midi), u""_s);
        EXPECT_TRUE(playsToTheEnd(device));
    }
    EXPECT_GT(loudestSample(), 100) << "no sound came out";
}

TEST_F(SdlAudioTest, PauseStopAndCloseEndTheSoundAtOnce) {
    SdlAudioDevice device;
    ASSERT_EQ(device.open(std::nullopt, file(u"long.wav"_s, sound_files::sineWav(5.0))), u""_s);
    device.play();
    EXPECT_EQ(device.mode(), AudioDevice::Mode::Playing);
    device.pause();
    EXPECT_EQ(device.mode(), AudioDevice::Mode::Paused);
    device.play();
    EXPECT_EQ(device.mode(), AudioDevice::Mode::Playing);
    device.stop();
    EXPECT_EQ(device.mode(), AudioDevice::Mode::Stopped);
    device.play();
    device.close();
    EXPECT_EQ(device.mode(), AudioDevice::Mode::NotOpen);
}

TEST_F(SdlAudioTest, RefusesWhatItCannotPlayAndSaysWhy) {
    SdlAudioDevice device;
    const QString wav = file(u"tone.wav"_s, sound_files::sineWav(0.1));
    EXPECT_EQ(device.open(stationery::SoundKind::Midi, wav),
              u"This file is not the MIDI sound its name says it is."_s);
    EXPECT_EQ(device.mode(), AudioDevice::Mode::NotOpen);
    EXPECT_NE(device.open(std::nullopt, file(u"text.mp3"_s, "just words, not a sound")), u""_s);
    EXPECT_NE(device.open(std::nullopt, file(u"empty.wav"_s, QByteArray())), u""_s);
    const QByteArray whole = sound_files::sineWav(0.2);
    EXPECT_NO_FATAL_FAILURE(device.open(std::nullopt, file(u"cut.wav"_s, whole.left(30))));
    EXPECT_NE(device.open(std::nullopt, folder.filePath(u"missing.wav"_s)), u""_s);
    // A sample rate no sound card has made SDL's converter overflow its sizes.
    QByteArray absurd = sound_files::sineWav(0.01);
    absurd[24] = '\x22', absurd[25] = '\x44', absurd[26] = '\x56', absurd[27] = '\0';
    EXPECT_EQ(device.open(std::nullopt, file(u"absurd.wav"_s, absurd)),
              u"This WAV file's format cannot be played."_s);
    EXPECT_EQ(device.mode(), AudioDevice::Mode::NotOpen);
}

TEST(SdlAudioWithoutOutput, SaysNoDeviceIsAvailable) {
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    SdlAudioDevice device;
    EXPECT_EQ(device.unavailableReason(), u""_s); // not tried before a sound is opened
    const QString refused = device.open(stationery::SoundKind::Wave, u"/whatever.wav"_s);
    qunsetenv("SDL_AUDIODRIVER");
    EXPECT_TRUE(device.unavailableReason().startsWith(u"No audio device is available"_s));
    EXPECT_EQ(refused, device.unavailableReason());
    device.play();
    EXPECT_EQ(device.mode(), AudioDevice::Mode::NotOpen);
}

// An MP3's ID3v2 tags are stepped over before the sound library sees the file; a tag
// that is damaged or runs past the end refuses the file.
TEST(SoundContent, AnMp3sTagsAreSteppedOver) {
    QTemporaryDir folder;
    const auto tag = [](int size, char version = 3) {
        QByteArray header("ID3", 3);
        header += version;
        header += QByteArray(2, '\0');
        header += QByteArray(1, '\0') + QByteArray(1, '\0') + char(size >> 7) + char(size & 0x7F);
        return header + QByteArray(size, '\0');
    };
    const QByteArray frame("\xFF\xFB\x90\x64", 4);
    const struct {
        QByteArray bytes;
        std::optional<qint64> start;
    } cases[] = {
        {frame + QByteArray(400, '\0'), 0},
        {tag(20) + frame, 30},
        {tag(20) + tag(200, 4) + frame, 240},
        {tag(5000).left(100) + frame, std::nullopt}, // says it runs past the end
        {tag(20, 9) + frame, std::nullopt},          // no such version
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath(u"sound.mp3"_s);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(SoundContent::mp3SoundStart(path), c.start) << c.bytes.size();
    }
}

TEST(SoundContent, IsToldFromTheFirstBytes) {
    using stationery::SoundKind;
    EXPECT_EQ(SoundContent::kindOf(QByteArray("MThd\0\0\0\6", 8)), SoundKind::Midi);
    EXPECT_EQ(SoundContent::kindOf(sound_files::sineWav(0.01).left(12)), SoundKind::Wave);
    EXPECT_EQ(SoundContent::kindOf("ID3\4\0"), SoundKind::Mpeg);
    EXPECT_EQ(SoundContent::kindOf("\xFF\xFB\x90\x00"), SoundKind::Mpeg);
    EXPECT_EQ(SoundContent::kindOf("hello"), std::nullopt);
    EXPECT_EQ(SoundContent::kindOf(""), std::nullopt);
}

// The program's device comes from the sound module, loaded at the first sound: it
// plays as the device itself does, and a missing module is reported, not a crash.
TEST_F(SdlAudioTest, TheModuleIsLoadedAtTheFirstSoundOrItsAbsenceReported) {
    const QString wav = file(u"tone.wav"_s, sound_files::sineWav(0.2));
    const QString elsewhere = folder.filePath(u"nothing-here"_s);
    LoadedAudioDevice device(u"stationery-audio"_s,
                             {elsewhere, QStringLiteral(STATIONERY_AUDIO_MODULE_DIR)});
    EXPECT_EQ(device.unavailableReason(), u""_s);
    device.play(); // nothing open yet: nothing happens
    EXPECT_EQ(device.mode(), AudioDevice::Mode::NotOpen);
    ASSERT_EQ(device.open(stationery::SoundKind::Wave, wav), u""_s);
    EXPECT_TRUE(playsToTheEnd(device));
    EXPECT_GT(loudestSample(), 1000);

    LoadedAudioDevice missing(u"stationery-audio"_s, {elsewhere});
    const QString reason = missing.open(stationery::SoundKind::Wave, wav);
    EXPECT_TRUE(reason.startsWith(u"The sound module could not be loaded"_s))
        << reason.toStdString();
    EXPECT_EQ(missing.unavailableReason(), reason);
    EXPECT_EQ(missing.mode(), AudioDevice::Mode::NotOpen);
}

} // namespace
} // namespace platform
