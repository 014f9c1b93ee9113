#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/menu_item.h"
#include "sound_files.h"
#include "stationery/export.h"
#include "stationery/writer.h"
#include <QLabel>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OpenExportTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        picturePath = scratchPath(u"sky.jpg"_s);
        soundPath = scratchPath(u"chime.wav"_s);
        picture_files::write(picturePath,
                             picture_files::encode(picture_files::detailed(40, 30), "jpeg"));
        picture_files::write(soundPath, sound_files::sineWav(0.05));
    }

    // A stationery naming the scratch folder's picture and sound, with every section.
    stationery::StationerySettings fullRecord() const {
        stationery::StationerySettings s;
        s.author = "Ann";
        s.title = "Spring \"Notes\" Ω";
        s.picture = picturePath.toStdString();
        s.backgroundColor = stationery::Rgb{255, 255, 204};
        s.textColor = stationery::Rgb{0, 0, 128};
        s.fontName = "DejaVu Sans";
        s.fontSize = 12;
        s.bold = true;
        s.direction = stationery::ScrollDirection::Up;
        s.pictureWidth = 77; // not what measuring the picture gives: the file wins
        s.pictureHeight = 30;
        s.leftMargin = 77;
        s.topMargin = 5;
        s.sound = soundPath.toStdString();
        s.soundAsHiddenPicture = 1;
        s.tickers[0] = "Hello \"there\"";
        s.tickers[1] = "";
        return s;
    }

    QString writeStationery(const QString& name, const stationery::StationerySettings& s) {
        const QString path = scratchPath(name);
        stationery::StationeryWriter::save(path.toStdString(), s);
        return path;
    }

    QString saveThroughTheMenu(const QString& name) {
        const QString path = scratchPath(name);
        dialogs.answerSave(path);
        trigger("saveAction");
        return path;
    }

    QString picturePath;
    QString soundPath;
};

TEST_F(OpenExportTest, OpenSetsEveryControlAndSaveWritesTheSameBytes) {
    const QString file = writeStationery(u"in.htm"_s, fullRecord());
    dialogs.answerOpen(file);
    trigger("openAction");
    EXPECT_EQ(dialogs.lastInitialFolder(), FileDialogs::usualFolder());
    EXPECT_EQ(dialogs.lastNameFilter(),
              u"Stationery and message templates (*.htm *.html *.eml);;"
              u"Stationery and pages for today's mail clients (*.htm *.html);;"
              u"Message templates (*.eml)"_s);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(shownTitle(), file);
    EXPECT_EQ(form->document().settings().picture, picturePath.toStdString());
    EXPECT_TRUE(previewShown());
    EXPECT_EQ(control<platform::DirListBox>("pictureFolderList")->path(),
              QDir::toNativeSeparators(scratch.path()));
    EXPECT_EQ(control<QLineEdit>("pictureWidthEdit")->text(), u"77"_s);
    EXPECT_EQ(control<platform::DirListBox>("soundFolderList")->path(),
              QDir::toNativeSeparators(scratch.path()));
    EXPECT_EQ(control<platform::CheckBox>("oldClientCheck")->isChecked(), true);
    EXPECT_EQ(control<QLineEdit>("ticker1Edit")->text(), u"Hello \"there\""_s);
    EXPECT_EQ(control<QLineEdit>("ticker3Edit")->text(),
              u""_s); // the placeholder ticker is not in the file
    EXPECT_EQ(control<QLineEdit>("titleEdit")->text(), u"Spring \"Notes\" Ω"_s);
    EXPECT_EQ(control<QLabel>("authorSample")->palette().color(QPalette::WindowText),
              QColor(0, 0, 128));
    EXPECT_EQ(control<QLabel>("titleSample")->palette().color(QPalette::Window),
              QColor(255, 255, 204));
    EXPECT_TRUE(control<QLabel>("authorSample")->font().bold());
    EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), u"Up"_s);
    // The chosen files are the ones selected in their lists, and the Items menu ticks
    // every part the file sets.
    EXPECT_EQ(control<platform::FileListBox>("pictureFileList")->fileName(), u"sky.jpg"_s);
    EXPECT_EQ(control<platform::FileListBox>("soundFileList")->fileName(), u"chime.wav"_s);
    for (const char* item :
         {"imageItem", "soundItem", "tickerItem", "colorFontItem", "marginsItem"})
        EXPECT_TRUE(control<platform::MenuItem>(item)->isChecked()) << item;

    EXPECT_EQ(contents(saveThroughTheMenu(u"out.htm"_s)), contents(file));

    // An untouched stationery gives back the fields' first texts.
    const QString untouched = writeStationery(u"untouched.htm"_s, stationery::StationerySettings{});
    ASSERT_TRUE(form->openStationery(untouched));
    EXPECT_EQ(control<QLineEdit>("authorEdit")->text(), u"Your Name"_s);
    EXPECT_EQ(control<QLineEdit>("titleEdit")->text(), u"Title of Your Work"_s);
    EXPECT_EQ(form->document().settings().picture, std::nullopt);
    EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), u"Scroll Direction"_s);
    EXPECT_EQ(contents(saveThroughTheMenu(u"untouched-again.htm"_s)), contents(untouched));
    EXPECT_EQ(control<platform::FileListBox>("pictureFileList")->fileName(), u""_s);
    EXPECT_EQ(control<platform::FileListBox>("soundFileList")->fileName(), u""_s);
    for (const char* item :
         {"imageItem", "soundItem", "tickerItem", "colorFontItem", "marginsItem"})
        EXPECT_FALSE(control<platform::MenuItem>(item)->isChecked()) << item;
}

// An exported page names its files relative to itself. Opened from another working
// folder, one that holds a different picture of the same name, it still finds its own.
TEST_F(OpenExportTest, AnExportedPageFindsItsFilesBesideItFromAnyFolder) {
    QDir(scratch.path()).mkpath(u"out"_s);
    QDir(scratch.path()).mkpath(u"elsewhere"_s);
    stationery::exportStationery(
        stationery::pathFromUtf8(scratchPath(u"out/page.htm"_s).toStdString()), fullRecord(),
        stationery::ExportForm::Classic);
    picture_files::write(scratchPath(u"elsewhere/sky.jpg"_s),
                         picture_files::encode(picture_files::detailed(7, 5), "bmp"));
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(scratchPath(u"elsewhere"_s));
    const bool opened = form->openStationery(u"../out/page.htm"_s);
    QDir::setCurrent(workingFolder);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    const QString ownPicture = scratchPath(u"out/sky.jpg"_s);
    EXPECT_EQ(
        QFileInfo(QString::fromStdString(form->document().settingsInUse().picture.value_or("")))
            .canonicalFilePath(),
        QFileInfo(ownPicture).canonicalFilePath());
    EXPECT_EQ(form->document().settings().picture, "sky.jpg"); // as written

    // Export copies the page's own picture, not the namesake.
    QDir(scratch.path()).mkpath(u"again"_s);
    dialogs.answerSave(scratchPath(u"again/page.htm"_s), 2);
    trigger("exportAction");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(contents(scratchPath(u"again/sky.jpg"_s)), contents(picturePath));
    EXPECT_EQ(contents(scratchPath(u"again/chime.wav"_s)), contents(soundPath));
}

TEST_F(OpenExportTest, APictureThatCannotBeReadIsNotCalledMissing) {
    stationery::StationerySettings s = fullRecord();
    picture_files::write(picturePath, "not a picture at all");
    ASSERT_TRUE(form->openStationery(writeStationery(u"in.htm"_s, s)));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(u"cannot be read as a picture"_s));
    EXPECT_FALSE(messages.shown[0].text.contains(u"can't be found"_s));
    EXPECT_NE(messages.shown[0].title, u"Files Missing"_s);
}

TEST_F(OpenExportTest, MissingFilesKeepTheirPathsAndAreNamedOnce) {
    stationery::StationerySettings s = fullRecord();
    s.picture = scratchPath(u"gone.jpg"_s).toStdString();
    s.sound = scratchPath(u"gone.mid"_s).toStdString();
    const QString file = writeStationery(u"in.htm"_s, s);
    ASSERT_TRUE(form->openStationery(file));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(scratchPath(u"gone.jpg"_s)));
    EXPECT_TRUE(messages.shown[0].text.contains(scratchPath(u"gone.mid"_s)));
    EXPECT_EQ(form->document().settings().picture, scratchPath(u"gone.jpg"_s).toStdString());
    EXPECT_EQ(contents(saveThroughTheMenu(u"out.htm"_s)), contents(file));
}

TEST_F(OpenExportTest, WhatCannotBeOpenedIsReportedAndChangesNothing) {
    control<QLineEdit>("ticker1Edit")->setText(u"my own work"_s);
    messages.answer = platform::MessageBox::SaveChoice::Discard; // asked first: go on
    const auto before = form->document().settings();
    const QString title = shownTitle();
    QFile::copy(picturePath, scratchPath(u"picture.htm"_s));
    picture_files::write(scratchPath(u"page.htm"_s), "<html><body>Hi</body></html>");
    picture_files::write(scratchPath(u"huge.htm"_s), QByteArray(17 * 1024 * 1024, 'x'));
    QDir(scratch.path()).mkdir(u"folder.htm"_s);
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"page.htm", "it is a web page not made by this program, not a stationery"},
                 {"picture.htm", "it is a picture, not a stationery"},
                 {"huge.htm", "not a stationery file"},
                 {"folder.htm", "folder"},
                 {"gone.htm", "No such file"}};
    for (const auto& c : cases) {
        messages.shown.clear();
        dialogs.answerOpen(scratchPath(QString::fromUtf8(c.name)));
        trigger("openAction");
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].title, u"Not Opened"_s);
        EXPECT_TRUE(messages.shown[0].text.contains(
            QDir::toNativeSeparators(scratchPath(QString::fromUtf8(c.name)))))
            << c.name;
        EXPECT_TRUE(messages.shown[0].text.contains(QString::fromUtf8(c.reason)))
            << messages.shown[0].text.toStdString();
        EXPECT_TRUE(form->document().settings() == before) << c.name;
        EXPECT_EQ(shownTitle(), title);
    }
    // Cancelled: nothing at all.
    messages.shown.clear();
    trigger("openAction");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OpenExportTest, ExportCopiesPictureAndSoundBesideThePage) {
    ASSERT_TRUE(form->openStationery(writeStationery(u"in.htm"_s, fullRecord())));
    const QString title = shownTitle();
    QDir(scratch.path()).mkdir(u"out"_s);
    const QString out = scratchPath(u"out"_s);
    // A different picture of the same name is already there; the same sound is too.
    picture_files::write(out + u"/sky.jpg"_s, "another picture");
    QFile::copy(soundPath, out + u"/chime.wav"_s);

    dialogs.answerSave(out + u"/page.htm"_s, 2);
    trigger("exportAction");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(shownTitle(), title);
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name),
              (QStringList{u"chime.wav"_s, u"page.htm"_s, u"sky (2).jpg"_s, u"sky.jpg"_s}));
    EXPECT_EQ(contents(out + u"/sky (2).jpg"_s), contents(picturePath));

    stationery::StationerySettings expected = form->document().settings();
    expected.picture = "sky%20%282%29.jpg";
    expected.sound = "chime.wav";
    const std::string page = stationery::StationeryWriter::render(expected);
    EXPECT_EQ(contents(out + u"/page.htm"_s), QByteArray(page.data(), qsizetype(page.size())));

    // The form for today's mail clients: no script, no sound, the same picture reused.
    dialogs.answerSave(out + u"/today.htm"_s, 1);
    trigger("exportAction");
    const QByteArray today = contents(out + u"/today.htm"_s);
    EXPECT_TRUE(today.startsWith("<!DOCTYPE html>"));
    EXPECT_FALSE(today.contains("<script"));
    EXPECT_TRUE(today.contains("url('sky%20%282%29.jpg')"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 5);
}

// The dialog leads with the message template, under a name made from the stationery's;
// a name ending in .eml is one whatever type is chosen, and a page name never is. The
// window then says where the export went and what to do next, without a box to close.
TEST_F(OpenExportTest, ExportLeadsWithTheMessageTemplateAndSaysWhatNext) {
    ASSERT_TRUE(form->openStationery(writeStationery(u"in.htm"_s, fullRecord())));
    QDir(scratch.path()).mkdir(u"out"_s);
    const struct {
        const char* answer;
        int type;
        const char* written;
        const char* startsWith;
        const char* said;
    } cases[] = {
        {"out/a", 0, "out/a.eml", "X-Unsent: 1\r\n", "Open it with your mail client"},
        {"out/b.eml", 2, "out/b.eml", "X-Unsent: 1\r\n", "New Message in Mail Client"},
        {"out/c.htm", 0, "out/c.htm", "<!DOCTYPE html>", "Choose it as stationery"},
        {"out/d.htm", 2, "out/d.htm", "<HTML>", "picture and sound beside it"},
    };
    for (const auto& c : cases) {
        dialogs.answerSave(scratchPath(QString::fromLatin1(c.answer)), c.type);
        trigger("exportAction");
        EXPECT_TRUE(messages.shown.empty()) << c.answer;
        const QString written = scratchPath(QString::fromLatin1(c.written));
        EXPECT_TRUE(contents(written).startsWith(c.startsWith)) << c.answer;
        const QString said = control<QLabel>("statusMessage")->text();
        EXPECT_TRUE(said.contains(QDir::toNativeSeparators(written))) << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromLatin1(c.said))) << said.toStdString();
    }
    EXPECT_EQ(dialogs.lastTitle(), u"Export"_s);
    EXPECT_EQ(dialogs.lastNameFilter().split(u";;"_s),
              (QStringList{u"Message template, opens as a new message in Thunderbird, Outlook, "
                           u"Apple Mail (*.eml)"_s,
                           u"Web page for today's mail clients, with its picture beside it "
                           u"(*.htm *.html)"_s,
                           u"Classic stationery with script, ticker and sound, for old mail "
                           u"clients (*.htm *.html)"_s}));
    // The suggested name: the opened file's, in the folder of the last export.
    EXPECT_EQ(dialogs.lastInitialFolder(), scratchPath(u"out/in.eml"_s));
    // The guidance is whole at the window's first size, and goes with the next Open.
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto* said = control<QLabel>("statusMessage");
    EXPECT_LE(said->heightForWidth(said->width()), said->height()) << said->width();
    dialogs.answerOpen(scratchPath(u"out/c.htm"_s));
    trigger("openAction");
    EXPECT_TRUE(said->text().isEmpty()) << said->text().toStdString();
}

TEST_F(OpenExportTest, AFailedExportLeavesNothingNew) {
    stationery::StationerySettings s = fullRecord();
    s.sound = scratchPath(u"gone.wav"_s).toStdString(); // the picture copies, the sound fails
    ASSERT_TRUE(form->openStationery(writeStationery(u"in.htm"_s, s)));
    messages.shown.clear();
    QDir(scratch.path()).mkdir(u"out"_s);
    dialogs.answerSave(scratchPath(u"out/page.htm"_s), 2);
    trigger("exportAction");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, u"Not Exported"_s);
    EXPECT_TRUE(messages.shown[0].text.contains(u"gone.wav"_s));
    EXPECT_TRUE(QDir(scratchPath(u"out"_s)).entryList(QDir::Files).isEmpty());
}

} // namespace

namespace {

// Text pasted with control characters in it (a NUL, a line break) is kept without them,
// so the file saved from it opens again with the same text.
TEST_F(OpenExportTest, PastedControlCharactersAreDroppedAndTheSaveReopens) {
    const char* const fields[] = {"ticker1Edit", "ticker2Edit", "ticker3Edit", "authorEdit",
                                  "titleEdit"};
    for (const char* name : fields) {
        auto* field = control<QLineEdit>(name);
        field->clear();
        field->insert(QString::fromUtf8("a\0b\x01"
                                        "c\nd\x7F"
                                        "é",
                                        10));
        EXPECT_EQ(field->text(), u"abcdé"_s) << name;
    }
    const stationery::StationerySettings typed = form->document().settings();
    EXPECT_EQ(typed.tickers[0], "abcdé");
    const QString saved = saveThroughTheMenu(u"typed.htm"_s);
    dialogs.answerOpen(saved);
    trigger("openAction");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    EXPECT_EQ(form->document().settings(), typed);
}

// A page that names its picture by a bare name, saved into another folder, names it so
// that it is still found from there.
TEST_F(OpenExportTest, SavedIntoAnotherFolderItStillFindsItsFiles) {
    stationery::StationerySettings s = fullRecord();
    s.picture = "sky.jpg"; // beside it, as an exported page names it
    s.sound = "chime.wav";
    dialogs.answerOpen(writeStationery(u"page.htm"_s, s));
    trigger("openAction");
    ASSERT_TRUE(QDir(scratch.path()).mkpath(u"other"_s));
    const QString moved = saveThroughTheMenu(u"other/page.htm"_s);
    dialogs.answerOpen(moved);
    trigger("openAction");
    EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    EXPECT_EQ(
        QFileInfo(QString::fromStdString(form->document().settingsInUse().picture.value_or(""))),
        QFileInfo(picturePath));
    EXPECT_EQ(
        QFileInfo(QString::fromStdString(form->document().settingsInUse().sound.value_or(""))),
        QFileInfo(soundPath));
    EXPECT_TRUE(contents(moved).contains(QDir::toNativeSeparators(picturePath).toUtf8()))
        << contents(moved).constData();
}

// A stationery naming a file where private files are kept: Open names it, Export asks
// and carries it only when told to.
TEST_F(OpenExportTest, FilesInHiddenFoldersAreNamedOnOpenAndExportedOnlyWhenAgreed) {
    ASSERT_TRUE(QDir(scratch.path()).mkpath(u".ssh"_s));
    const QString hidden = scratchPath(u".ssh/face.jpg"_s);
    ASSERT_TRUE(QFile::copy(picturePath, hidden));
    stationery::StationerySettings s;
    s.picture = hidden.toStdString();
    dialogs.answerOpen(writeStationery(u"hostile.htm"_s, s));
    trigger("openAction");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(hidden)) << messages.shown[0].text.toStdString();

    ASSERT_TRUE(QDir(scratch.path()).mkpath(u"out"_s));
    for (const bool agreed : {false, true}) {
        messages.yes = agreed;
        dialogs.answerSave(scratchPath(u"out/page.htm"_s), 1);
        trigger("exportAction");
        EXPECT_EQ(messages.asked.size(), agreed ? 2u : 1u);
        EXPECT_TRUE(messages.asked.back().text.contains(hidden));
        EXPECT_EQ(QFileInfo::exists(scratchPath(u"out/face.jpg"_s)), agreed);
        EXPECT_EQ(QFileInfo::exists(scratchPath(u"out/page.htm"_s)), agreed);
    }
}

// Export never writes over the stationery it is made from, by any name of that file.
TEST_F(OpenExportTest, ExportNeverWritesOverTheOpenedStationery) {
    const QString file = writeStationery(u"in.htm"_s, fullRecord());
    const QByteArray before = contents(file);
    dialogs.answerOpen(file);
    trigger("openAction");
    QStringList pages{file};
#ifndef _WIN32 // Windows' links are shortcut files of their own
    ASSERT_TRUE(QFile::link(file, scratchPath(u"link.eml"_s)));
    pages << scratchPath(u"link.eml"_s);
#endif
    for (const QString& page : pages) {
        messages.shown.clear();
        dialogs.answerSave(page, 2);
        trigger("exportAction");
        ASSERT_EQ(messages.shown.size(), 1u) << page.toStdString();
        EXPECT_EQ(messages.shown[0].title, u"Not Exported"_s);
        EXPECT_EQ(contents(file), before);
    }
}

} // namespace
