#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/media_control.h"
#include "platform/menu_item.h"
#include "sound_files.h"
#include "stationery/writer.h"
#include <QLabel>

#include <QFile>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

class SoundTabTest : public EditorTest {
protected:
    QString addSound(const QString& name) {
        const QString path = scratchPath(name);
        picture_files::write(path, name.endsWith(u"mid"_s, Qt::CaseInsensitive)
                                       ? sound_files::oneNoteMidi()
                                       : sound_files::sineWav(0.05));
        control<platform::DirListBox>("soundFolderList")->setPath(scratch.path());
        control<platform::FileListBox>("soundFileList")
            ->setPath(control<platform::DirListBox>("soundFolderList")->path());
        return QDir::toNativeSeparators(path);
    }
    void click(const QString& name) {
        for (int row = 0; row < control<platform::FileListBox>("soundFileList")->count(); ++row)
            if (control<platform::FileListBox>("soundFileList")
                    ->model()
                    ->index(row, 0)
                    .data()
                    .toString() == name)
                return control<platform::FileListBox>("soundFileList")->choose(row);
        FAIL() << "no such file listed: " << name.toStdString();
    }
};

TEST_F(SoundTabTest, ChoosingAFileRecordsItAndOpensItForListening) {
    const QString path = addSound(u"song.mid"_s);
    click(u"song.mid"_s);
    EXPECT_EQ(QString::fromStdString(form->document().settings().sound.value_or("")),
              QDir::toNativeSeparators(path));
    EXPECT_TRUE(control<platform::MenuItem>("soundItem")->isTicked());
    EXPECT_FALSE(busy(form.get()));
    EXPECT_EQ(audio.calls.last(), u"open MIDI "_s + QDir::toNativeSeparators(path));
    EXPECT_TRUE(control<platform::MediaControl>("soundPlayer")->playButton()->isEnabled());
}

// The kind a file's name says it is goes to the device, whatever the name's case.
TEST_F(SoundTabTest, TheNameSaysTheKindOfSound) {
    const std::pair<const char*, const char*> cases[] = {
        {"song.mid", "MIDI"}, {"LOUD.MID", "MIDI"}, {"tone.wav", "WAV"},
        {"BEEP.WAV", "WAV"},  {"tune.mp3", ""},
    };
    for (const auto& [name, type] : cases) {
        addSound(QString::fromLatin1(name));
        click(QString::fromLatin1(name));
        const QString opened = u"open "_s + QLatin1String(type) + u" "_s +
                               QDir::toNativeSeparators(scratchPath(QLatin1String(name)));
        EXPECT_EQ(audio.calls.last(), opened) << name;
    }
}

TEST_F(SoundTabTest, NoSoundStopsAndClosesAndTheCheckMarkFollowsTheStateTable) {
    // Checked and unchecked before any file: no mark.
    control<platform::CheckBox>("noSoundCheck")->setChecked(true);
    EXPECT_TRUE(control<platform::MenuItem>("soundItem")->isTicked());
    control<platform::CheckBox>("noSoundCheck")->setChecked(false);
    EXPECT_FALSE(control<platform::MenuItem>("soundItem")->isTicked());

    const QString path = addSound(u"tone.wav"_s);
    click(u"tone.wav"_s);
    control<platform::MediaControl>("soundPlayer")->playButton()->click();
    ASSERT_EQ(audio.mode(), platform::AudioDevice::Mode::Playing);
    audio.calls.clear();
    control<platform::CheckBox>("noSoundCheck")->setChecked(true);
    EXPECT_EQ(audio.calls, QStringList({u"stop"_s, u"close"_s}));
    EXPECT_EQ(audio.mode(), platform::AudioDevice::Mode::NotOpen);
    EXPECT_EQ(QString::fromStdString(form->document().settings().sound.value_or("")), path);
    EXPECT_TRUE(control<platform::MenuItem>("soundItem")->isTicked());

    control<platform::CheckBox>("noSoundCheck")
        ->setChecked(false); // after a file: the mark stays, nothing reopens
    EXPECT_TRUE(control<platform::MenuItem>("soundItem")->isTicked());
    EXPECT_EQ(audio.mode(), platform::AudioDevice::Mode::NotOpen);

    control<platform::CheckBox>("noSoundCheck")->setChecked(true);
    click(u"tone.wav"_s); // choosing a file unchecks No Sound and opens the file
    EXPECT_EQ(control<platform::CheckBox>("noSoundCheck")->isChecked(), false);
    EXPECT_TRUE(control<platform::MenuItem>("soundItem")->isTicked());
    EXPECT_EQ(audio.mode(), platform::AudioDevice::Mode::Stopped);
}

TEST_F(SoundTabTest, TheSameFileTwiceIsReopenedEachTime) {
    addSound(u"tone.wav"_s);
    click(u"tone.wav"_s);
    audio.calls.clear();
    click(u"tone.wav"_s);
    ASSERT_EQ(audio.calls.size(), 3);
    EXPECT_EQ(audio.calls.mid(0, 2), QStringList({u"stop"_s, u"close"_s}));
    EXPECT_TRUE(audio.calls[2].startsWith(u"open WAV"_s));
}

TEST_F(SoundTabTest, AFileThatCannotBePlayedIsStillChosen) {
    audio.openProblem = u"This file is not a MIDI, WAV or MP3 sound."_s;
    const QString path = scratchPath(u"renamed.wav"_s);
    picture_files::write(path, "plain text");
    control<platform::DirListBox>("soundFolderList")->setPath(scratch.path());
    click(u"renamed.wav"_s);
    EXPECT_EQ(QString::fromStdString(form->document().settings().sound.value_or("")),
              QDir::toNativeSeparators(path));
    EXPECT_FALSE(control<platform::MediaControl>("soundPlayer")->playButton()->isEnabled());
    EXPECT_EQ(control<platform::MediaControl>("soundPlayer")->playButton()->toolTip(),
              audio.openProblem);
    EXPECT_FALSE(busy(form.get()));
}

TEST_F(SoundTabTest, NoAudioDeviceStillLetsTheTabWork) {
    audio.unavailable = u"No audio device is available."_s;
    addSound(u"tone.wav"_s);
    click(u"tone.wav"_s);
    EXPECT_FALSE(control<platform::MediaControl>("soundPlayer")->playButton()->isEnabled());
    EXPECT_EQ(control<platform::MediaControl>("soundPlayer")->toolTip(), audio.unavailable);
    EXPECT_NE(QString::fromStdString(form->document().settings().sound.value_or("")), u"null"_s);
}

TEST_F(SoundTabTest, ADriveWithNoDiskSendsBothListsHome) {
    addSound(u"tone.wav"_s);
    click(u"tone.wav"_s);
    const QString chosen = QString::fromStdString(form->document().settings().sound.value_or(""));
    control<platform::DriveListBox>("soundDriveList")
        ->setCurrentIndex(
            control<platform::DriveListBox>("soundDriveList")->findData(platform::kTestFloppy));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"Device Not Avaible... Put a Disk in and Try again"_s);
    EXPECT_EQ(messages.shown[0].title, u"No Disk"_s);
    EXPECT_EQ(control<platform::DirListBox>("soundFolderList")->path(), form->startFolder());
    EXPECT_EQ(control<platform::FileListBox>("soundFileList")->path(), form->startFolder());
    EXPECT_EQ(control<platform::DriveListBox>("soundDriveList")->drive(),
              driveHolding(form->startFolder()));
    EXPECT_EQ(QString::fromStdString(form->document().settings().sound.value_or("")), chosen);
}

TEST_F(SoundTabTest, SavedSoundSectionFollowsTheTwoBoxes) {
    const QString path = addSound(u"tone.wav"_s);
    click(u"tone.wav"_s);
    const std::string src = "src=\"" + path.toStdString() + "\"";
    for (int noSound : {0, 1}) {
        for (int oe4 : {0, 1}) {
            control<platform::CheckBox>("noSoundCheck")->setChecked(noSound != 0);
            control<platform::CheckBox>("oldClientCheck")->setChecked(oe4 != 0);
            const QString file = scratchPath(QString(u"s%1%2.htm"_s).arg(noSound).arg(oe4));
            dialogs.answerSave(file);
            trigger("saveAction");
            QFile saved(file);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            const std::string text = saved.readAll().toStdString();
            EXPECT_EQ(text.find("<BGSOUND balance=0") != std::string::npos, !noSound && !oe4);
            EXPECT_EQ(text.find("<IMG height=10 id=music") != std::string::npos, !noSound && oe4);
            EXPECT_EQ(text.find(src) != std::string::npos, !noSound) << noSound << oe4;
        }
    }
}

} // namespace
