// What a newcomer does without the README: a PNG from the Pictures folder through
// Browse, a sound dropped onto the window, the lists following every choice, and the
// message template carrying the PNG as it is.
#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/dir_list_box.h"
#include "platform/export_guards.h"
#include "platform/file_list_box.h"
#include "scoped_variable.h"
#include "sound_files.h"

#include <QDropEvent>

#include "special_files.h"
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

class NewcomerTest : public EditorTest {
protected:
    // Drops the file onto the window as a file manager would.
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &dropped);
        QApplication::processEvents(); // the file is used once the drop has ended
    }
    QString chosenIn(const char* list) const {
        return control<platform::FileListBox>(list)->fileName();
    }
    void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(NewcomerTest, BrowseDropAndThePngTravelInTheTemplate) {
    // The desktop's Pictures folder, as user-dirs.dirs names it.
    ScopedVariable config{"XDG_CONFIG_HOME", scratchPath(u"config"_s).toUtf8()};
    QDir(scratch.path()).mkpath(u"config"_s);
    write(scratchPath(u"config/user-dirs.dirs"_s),
          "XDG_PICTURES_DIR=\"" + scratchPath(u"Pictures"_s).toUtf8() + "\"\n");
    QDir(scratch.path()).mkpath(u"Pictures/holiday"_s);
    const QString png = scratchPath(u"Pictures/holiday/beach.png"_s);
    const QByteArray pngBytes = picture_files::encode(picture_files::detailed(64, 48), "png");
    write(png, pngBytes);

    // Browse… opens the desktop's dialog; the choice shows in the lists and the preview.
    dialogs.answerOpen(png);
    control<QPushButton>("pictureBrowseButton")->click();
    EXPECT_EQ(dialogs.lastInitialFolder(),
              QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    EXPECT_EQ(QString::fromStdString(form->document().settings().picture.value_or("")),
              QDir::toNativeSeparators(png));
    EXPECT_EQ(chosenIn("pictureFileList"), u"beach.png"_s);
    EXPECT_EQ(QFileInfo(control<platform::DirListBox>("pictureFolderList")->path()),
              QFileInfo(scratchPath(u"Pictures/holiday"_s)));
    EXPECT_TRUE(previewShown());
    EXPECT_EQ(form->document().settings().pictureWidth, 64);

    // A sound dropped onto the window is chosen on the Sound tab, its list following.
    const QString wav = scratchPath(u"waves.wav"_s);
    write(wav, sound_files::sineWav());
    drop(wav);
    EXPECT_EQ(QString::fromStdString(form->document().settings().sound.value_or("")),
              QDir::toNativeSeparators(wav));
    EXPECT_EQ(control<QTabWidget>("partTabs")->currentIndex(), MainWindow::TabSound);
    EXPECT_EQ(chosenIn("soundFileList"), u"waves.wav"_s);

    // A picture dropped: chosen as if clicked; something else is named, not used.
    const QString other = scratchPath(u"notes.txt"_s);
    write(other, "shopping list");
    drop(other);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(
        messages.shown[0].text,
        u"\"notes.txt\" is neither a picture, a sound nor a stationery file, so it was not used."_s);
    EXPECT_EQ(QString::fromStdString(form->document().settings().sound.value_or("")),
              QDir::toNativeSeparators(wav));

    // A pipe, a folder, a file gone or one that may not be read: named, never waited on.
    const QString pipe = scratchPath(u"stream.jpg"_s);
    const bool withPipe = special_files::makePipe(pipe);
    const QString locked = scratchPath(u"locked.dat"_s);
    write(locked, "secret");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    const struct {
        QString path;
        QString said;
    } refused[] = {
        {pipe, u"\"stream.jpg\" is not a file but a folder, a pipe or a device"_s},
        {scratchPath(u"gone.png"_s), u"\"gone.png\" is no longer there"_s},
        {locked, u"\"locked.dat\" could not be read ("_s},
    };
    for (const auto& r : refused) {
        if ((r.path == locked && !special_files::unreadableFilesExist()) ||
            (r.path == pipe && !withPipe))
            continue;
        messages.shown.clear();
        drop(r.path);
        ASSERT_EQ(messages.shown.size(), 1u) << r.path.toStdString();
        EXPECT_TRUE(messages.shown[0].text.startsWith(r.said))
            << messages.shown[0].text.toStdString();
    }
    EXPECT_EQ(QString::fromStdString(form->document().settings().picture.value_or("")),
              QDir::toNativeSeparators(png));
    messages.shown.clear();

    // The message template carries the PNG byte for byte, as image/png.
    dialogs.answerSave(scratchPath(u"beach.eml"_s));
    trigger("exportAction");
    QFile message(scratchPath(u"beach.eml"_s));
    ASSERT_TRUE(message.open(QIODevice::ReadOnly));
    const QByteArray text = message.readAll();
    EXPECT_TRUE(text.contains("Content-Type: image/png;")) << text.left(2000).toStdString();
    EXPECT_TRUE(text.contains(pngBytes.toBase64().left(76)));
}

// A newcomer who kept only the export edits it again: the template opens, its picture
// comes out into the program's data folder, and Open says once what the form leaves out.
TEST_F(NewcomerTest, TheMessageTemplateOpensAgain) {
    ScopedVariable data{"XDG_DATA_HOME", scratchPath(u"data"_s).toUtf8()};
    const QString png = scratchPath(u"beach.png"_s);
    const QByteArray pngBytes = picture_files::encode(picture_files::detailed(64, 48), "png");
    write(png, pngBytes);
    dialogs.answerOpen(png);
    control<QPushButton>("pictureBrowseButton")->click();
    ASSERT_TRUE(previewShown());
    control<QLineEdit>("titleEdit")->setText(u"Beach days"_s);
    dialogs.answerSave(scratchPath(u"beach.eml"_s));
    trigger("exportAction");
    form = makeForm(); // a new start: nothing but the template

    dialogs.answerOpen(scratchPath(u"beach.eml"_s));
    trigger("openAction");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(u"no sound and no ticker"_s));
    const QString picture =
        QDir::toNativeSeparators(QDir(platform::picturesFolder()).filePath(u"beach.png"_s));
    EXPECT_EQ(QString::fromStdString(form->document().settings().picture.value_or("")), picture);
    EXPECT_EQ(control<QLineEdit>("titleEdit")->text(), u"Beach days"_s);
    EXPECT_EQ(chosenIn("pictureFileList"), u"beach.png"_s);
    QFile placed(picture);
    ASSERT_TRUE(placed.open(QIODevice::ReadOnly));
    EXPECT_EQ(placed.readAll(), pngBytes);
    EXPECT_TRUE(previewShown());
    // Save offers a stationery beside the template, never the template itself.
    dialogs.cancelNext();
    trigger("saveAction");
    EXPECT_EQ(QFileInfo(dialogs.lastInitialFolder()), QFileInfo(scratchPath(u"beach.htm"_s)));
}

} // namespace
