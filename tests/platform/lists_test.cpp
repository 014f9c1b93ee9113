#include "platform/dir_list_box.h"
#include "platform/doubles/fixed_volumes.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

class ListsTest : public ::testing::Test {
protected:
    FixedVolumeList volumes{{{"/", "", true}, {"/media/floppy", "FLOPPY", false}}};
    QTemporaryDir folder;
};

TEST_F(ListsTest, FileListMatchesAnyPatternIgnoringCase) {
    for (const char* name : {"a.jpg", "B.JPG", "c.Gif", "d.bmp", "e.png", "f.jpg.txt", "g h.jpg"})
        touch(folder.filePath(name));
    QDir(folder.path()).mkdir("sub.jpg");
    FileListBox files("*.jpg;*.gif;*.bmp");
    files.setPath(folder.path());
    EXPECT_EQ(files.ListCount(), 5);
    EXPECT_EQ(files.FileName(), "");
    QSignalSpy clicks(&files, &FileListBox::Click);
    files.choose(1);
    files.choose(1); // the same file again still counts
    EXPECT_EQ(files.FileName(), "B.JPG");
    EXPECT_EQ(clicks.count(), 2);

    files.setPath(folder.filePath("gone"));
    EXPECT_EQ(files.ListCount(), 0);
}

TEST_F(ListsTest, FolderListRaisesChangeAndRefusesWhatItCannotOpen) {
    QDir(folder.path()).mkpath("one/two");
    DirListBox dirs(volumes);
    QSignalSpy changes(&dirs, &DirListBox::Change);
    dirs.setPath(folder.filePath("one"));
    EXPECT_EQ(dirs.Path(), QDir::toNativeSeparators(folder.filePath("one")));
    EXPECT_EQ(changes.count(), 1);
    dirs.setPath(folder.filePath("one"));
    EXPECT_EQ(changes.count(), 1); // no change, no event
    // The open folder's own entry, then its subfolder.
    EXPECT_EQ(dirs.item(dirs.count() - 1)->text().trimmed(), "two");

    try {
        dirs.setPath(folder.filePath("missing"));
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), error::PathNotFound);
    }
    try {
        dirs.setPath("/media/floppy");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), error::DeviceUnavailable);
    }
    EXPECT_EQ(dirs.Path(), QDir::toNativeSeparators(folder.filePath("one")));

    // A drive on its own means the drive's current folder: here the working folder.
    dirs.setPath("/");
    EXPECT_EQ(dirs.Path(), QDir::toNativeSeparators(QDir::currentPath()));
}

TEST_F(ListsTest, DriveListSelectsTheDriveHoldingAPath) {
    DriveListBox drives(volumes);
    EXPECT_EQ(drives.Drive(), "/");
    EXPECT_EQ(drives.count(), 2);
    EXPECT_EQ(drives.itemText(1), "/media/floppy [FLOPPY]");
    QSignalSpy changes(&drives, &DriveListBox::Change);
    drives.setDrive("/media/floppy/some/file");
    EXPECT_EQ(drives.Drive(), "/media/floppy");
    drives.setDrive("/media/floppyish"); // not on the floppy: on the root
    EXPECT_EQ(drives.Drive(), "/");
    EXPECT_EQ(changes.count(), 2);
}

TEST(SystemVolumes, IncludeTheRootAndTheWorkingFolder) {
    const SystemVolumeList volumes;
    const std::vector<Volume> list = volumes.volumes();
    ASSERT_FALSE(list.empty());
    EXPECT_TRUE(volumes.volumeHolding(QDir::currentPath()).has_value());
    for (const Volume& v : list)
        EXPECT_FALSE(v.root.startsWith("/proc") || v.root.startsWith("/sys"))
            << v.root.toStdString();
}

} // namespace
} // namespace platform
