#include "doubles/fixed_volumes.h"
#include "platform/dir_list_box.h"
#include "platform/drawn_icons.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/platform_error.h"

#include "qt_printers.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

class ListsTest : public ::testing::Test {
protected:
    FixedVolumeList volumes{testVolumes()};
    QTemporaryDir folder;
};

TEST_F(ListsTest, FileListMatchesAnyPatternIgnoringCase) {
    for (const char* name : {"a.jpg", "B.JPG", "c.Gif", "d.bmp", "e.png", "f.jpg.txt", "g h.jpg"})
        touch(folder.filePath(QString::fromLatin1(name)));
    QDir(folder.path()).mkdir(u"sub.jpg"_s);
    FileListBox files(u"*.jpg;*.gif;*.bmp"_s);
    files.setPath(folder.path());
    EXPECT_EQ(files.count(), 5);
    EXPECT_EQ(files.fileName(), u""_s);
    QSignalSpy clicks(&files, &FileListBox::fileClicked);
    files.choose(1);
    files.choose(1); // the same file again still counts
    EXPECT_EQ(files.fileName(), u"B.JPG"_s);
    EXPECT_EQ(clicks.count(), 2);

    files.setPath(folder.filePath(u"gone"_s));
    EXPECT_EQ(files.count(), 0);
}

TEST_F(ListsTest, FolderListRaisesChangeAndRefusesWhatItCannotOpen) {
    QDir(folder.path()).mkpath(u"one/two"_s);
    DirListBox dirs(volumes);
    QSignalSpy changes(&dirs, &DirListBox::changed);
    dirs.setPath(folder.filePath(u"one"_s));
    EXPECT_EQ(dirs.path(), QDir::toNativeSeparators(folder.filePath(u"one"_s)));
    EXPECT_EQ(changes.count(), 1);
    dirs.setPath(folder.filePath(u"one"_s));
    EXPECT_EQ(changes.count(), 1); // no change, no event
    // The open folder's own entry, then its subfolder.
    EXPECT_EQ(dirs.item(dirs.count() - 1)->text().trimmed(), u"two"_s);

    try {
        dirs.setPath(folder.filePath(u"missing"_s));
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.failure(), Failure::PathNotFound);
    }
    try {
        dirs.setPath(kTestFloppy);
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.failure(), Failure::DeviceUnavailable);
    }
    EXPECT_EQ(dirs.path(), QDir::toNativeSeparators(folder.filePath(u"one"_s)));

    // A drive on its own means the drive's current folder: here the working folder.
#ifdef _WIN32
    dirs.setPath(QDir::currentPath().left(2)); // "C:"
#else
    dirs.setPath(u"/"_s);
#endif
    EXPECT_EQ(dirs.path(), QDir::toNativeSeparators(QDir::currentPath()));
}

#ifdef _WIN32
// A folder on a \\server\share (the Windows test run serves \\stationery-test\share).
TEST_F(ListsTest, FolderListWalksAShare) {
    const QString share = u"\\\\stationery-test\\share"_s;
    if (!QFileInfo(share).isDir())
        GTEST_SKIP() << "no test share";
    QTemporaryDir onShare(share + u"\\lists-XXXXXX"_s);
    ASSERT_TRUE(onShare.isValid());
    ASSERT_TRUE(QDir(onShare.path()).mkpath(u"one/two"_s));
    DirListBox dirs(volumes);
    dirs.setPath(onShare.filePath(u"one"_s));
    EXPECT_EQ(dirs.path(), QDir::toNativeSeparators(onShare.filePath(u"one"_s)));
    // The chain starts at the share, and the open folder's subfolder ends the list.
    EXPECT_EQ(dirs.item(0)->text(), share);
    EXPECT_EQ(dirs.item(dirs.count() - 1)->text().trimmed(), u"two"_s);
    // The share's own entry opens it.
    emit dirs.itemActivated(dirs.item(0));
    EXPECT_EQ(dirs.path(), share);
}
#endif

TEST_F(ListsTest, DriveListSelectsTheDriveHoldingAPath) {
    DriveListBox drives(volumes);
    const QString first = QDir::toNativeSeparators(volumes.volumes().front().root);
    EXPECT_EQ(drives.drive(), first);
    EXPECT_EQ(drives.count(), int(volumes.volumes().size()));
    const QString floppy = QDir::toNativeSeparators(kTestFloppy);
    EXPECT_EQ(drives.itemText(drives.count() - 1), floppy + u" [FLOPPY]"_s);
    QSignalSpy changes(&drives, &DriveListBox::changed);
    drives.setDrive(kTestFloppy + u"/some/file"_s);
    EXPECT_EQ(drives.drive(), floppy);
    drives.setDrive(volumes.volumes().front().root + u"x"_s);
    EXPECT_EQ(drives.drive(), first);
    EXPECT_EQ(changes.count(), 2);
#ifndef _WIN32
    drives.setDrive(u"/media/floppyish"_s); // not on the floppy: on the root
    EXPECT_EQ(drives.drive(), first);
#endif
}

TEST(SystemVolumes, IncludeTheRootAndTheWorkingFolder) {
    const SystemVolumeList volumes;
    const std::vector<Volume> list = volumes.volumes();
    ASSERT_FALSE(list.empty());
    EXPECT_TRUE(volumes.volumeHolding(QDir::currentPath()).has_value());
    for (const Volume& v : list)
        EXPECT_FALSE(v.root.startsWith(u"/proc"_s) || v.root.startsWith(u"/sys"_s))
            << v.root.toStdString();
}

} // namespace
} // namespace platform

namespace platform {
namespace {

// Every drawn icon, at any size it is asked for, is drawn at that size; its disabled
// look is the style's greyed one, not the same picture.
TEST(DrawnIcons, DrawEachSizeAskedForAndGreyWhenDisabled) {
    for (DrawnIcon kind :
         {DrawnIcon::OpenFolder, DrawnIcon::ClosedFolder, DrawnIcon::Play, DrawnIcon::Pause,
          DrawnIcon::Stop, DrawnIcon::MoreToTheRight, DrawnIcon::MoreBelow}) {
        const QIcon icon = drawnIcon(kind);
        for (int side : {12, 16, 32}) {
            const QImage normal = icon.pixmap(QSize(side, side), 1.0).toImage();
            EXPECT_EQ(normal.size(), QSize(side, side));
            EXPECT_NE(normal, QImage(normal.size(), normal.format())) << side;
            EXPECT_NE(icon.pixmap(QSize(side, side), 1.0, QIcon::Disabled).toImage(), normal);
        }
    }
}

} // namespace
} // namespace platform
