#include "editor/paths.h"
#include "editor_fixture.h"

#include "dialogs/picture_preview_window.h"
#include "picture_files.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/menu_item.h"
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

class ImageTabTest : public EditorTest {
protected:
    // Makes a picture file in the scratch folder and opens that folder in the lists.
    QString addPicture(const QString& name, int width, int height, const char* format = "jpeg") {
        const QString path = scratchPath(name);
        picture_files::write(path,
                             picture_files::encode(picture_files::detailed(width, height), format));
        return path;
    }
    void addFile(const QString& name, const QByteArray& bytes) {
        picture_files::write(scratchPath(name), bytes);
    }
    void openScratchFolder() {
        control<platform::DirListBox>("pictureFolderList")->setPath(scratch.path());
    }
    void click(const QString& name) {
        for (int row = 0; row < control<platform::FileListBox>("pictureFileList")->count(); ++row)
            if (control<platform::FileListBox>("pictureFileList")
                    ->model()
                    ->index(row, 0)
                    .data()
                    .toString() == name)
                return control<platform::FileListBox>("pictureFileList")->choose(row);
        FAIL() << "no such file listed: " << name.toStdString();
    }
    // The picture the stationery names, or nothing for none.
    QString chosenPicture() const {
        return QString::fromStdString(form->document().settings().picture.value_or(""));
    }
    void expectChosen(const QString& path, const char* width, const char* height) {
        EXPECT_EQ(chosenPicture(), path);
        EXPECT_EQ(control<QLineEdit>("pictureWidthEdit")->text(), QLatin1String(width));
        EXPECT_EQ(control<QLineEdit>("pictureHeightEdit")->text(), QLatin1String(height));
        EXPECT_TRUE(control<platform::MenuItem>("imageItem")->isTicked());
    }
};

TEST_F(ImageTabTest, ChoosingAPictureFillsEveryValue) {
    openScratchFolder();
    EXPECT_EQ(control<platform::FileListBox>("pictureFileList")->path(),
              QDir::toNativeSeparators(scratch.path()));
    const QString path = addPicture(u"sky.jpg"_s, 100, 60);
    control<platform::DirListBox>("pictureFolderList")
        ->setPath(scratch.path()); // same folder: the list is not read again
    control<platform::FileListBox>("pictureFileList")
        ->setPath(control<platform::DirListBox>("pictureFolderList")->path());
    click(u"sky.jpg"_s);

    expectChosen(QDir::toNativeSeparators(path), "100", "60");
    ASSERT_TRUE(previewShown());
    EXPECT_EQ(
        control<platform::ImageBox>("picturePreview")->picture().deviceIndependentSize().toSize(),
        control<platform::ImageBox>("picturePreview")->size());
    EXPECT_FALSE(busy(form.get()));
    EXPECT_TRUE(messages.shown.empty());
    // The fields show the size even while disabled; the tab change enables them.
    EXPECT_FALSE(control<QLineEdit>("pictureWidthEdit")->isEnabled());
    trigger("marginsItem");
    EXPECT_TRUE(control<QLineEdit>("pictureWidthEdit")->isEnabled());
    QTest::mouseClick(control<QToolButton>("scrollDownButton"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"100"_s);
    EXPECT_EQ(form->document().settings().picture, QDir::toNativeSeparators(path).toStdString());
}

TEST_F(ImageTabTest, NamesWithBlanksQuotesAndAccentsAndEveryKind) {
    openScratchFolder();
#ifdef _WIN32 // no quotes in a Windows file name
    const QString names[] = {u"my 'best' sky.jpg"_s, u"Été à Zürich.gif"_s, u"ΩΩ.BMP"_s};
#else
    const QString names[] = {u"my \"best\" sky.jpg"_s, u"Été à Zürich.gif"_s, u"ΩΩ.BMP"_s};
#endif
    const char* formats[] = {"jpeg", "gif", "bmp"};
    for (int i = 0; i < 3; ++i) {
        const QString path = addPicture(names[i], 30 + i, 20, formats[i]);
        control<platform::FileListBox>("pictureFileList")
            ->setPath(control<platform::DirListBox>("pictureFolderList")->path());
        click(names[i]);
        expectChosen(QDir::toNativeSeparators(path), QByteArray::number(30 + i).constData(), "20");
    }
}

TEST_F(ImageTabTest, APictureThatIsNoPictureIsReportedAndTheLastChoiceSurvives) {
    openScratchFolder();
    const QString good = addPicture(u"good.jpg"_s, 40, 30);
    addFile(u"text.jpg"_s, "hello, this is not a picture\n");
    addFile(u"empty.gif"_s, QByteArray());
    const QByteArray whole = picture_files::encode(picture_files::detailed(50, 50), "jpeg");
    addFile(u"cut.jpg"_s, whole.left(whole.size() / 2));
    control<platform::FileListBox>("pictureFileList")
        ->setPath(control<platform::DirListBox>("pictureFolderList")->path());
    click(u"good.jpg"_s);

    for (const char* bad : {"text.jpg", "empty.gif", "cut.jpg"}) {
        control<platform::DirListBox>("pictureFolderList")->setPath(scratch.path());
        click(QString::fromLatin1(bad));
        ASSERT_FALSE(messages.shown.empty()) << bad;
        EXPECT_EQ(messages.shown.back().text, u"Invalid Picture Type"_s);
        EXPECT_EQ(messages.shown.back().title, u"Corrupt Picture"_s);
        EXPECT_EQ(control<platform::DirListBox>("pictureFolderList")->path(), form->startFolder())
            << "the folder list returns to the start folder";
        EXPECT_EQ(control<platform::FileListBox>("pictureFileList")->path(), form->startFolder());
        EXPECT_TRUE(control<platform::ImageBox>("picturePreview")->picture().isNull())
            << "the preview is blank";
        EXPECT_FALSE(busy(form.get()));
        expectChosen(QDir::toNativeSeparators(good), "40", "30");
    }
    EXPECT_EQ(messages.shown.size(), 3u);
}

// A picture refused only when it comes to be decoded (claiming a size no decode can
// allocate, or replaced meanwhile) is reported and leaves the choice before it.
TEST_F(ImageTabTest, APictureItsDecodeRefusesLeavesTheChoiceBeforeIt) {
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(128); // megabytes, as Qt has it by default
    openScratchFolder();
    QByteArray jpeg = picture_files::encode(picture_files::detailed(8, 8), "jpeg");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    ASSERT_GE(frame, 0);
    jpeg.replace(frame + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4)); // 60000 × 60000
    addFile(u"huge.jpg"_s, jpeg);
    QByteArray gif = picture_files::encode(picture_files::detailed(1, 1), "gif");
    gif.replace(6, 4, QByteArray("\x30\x75\x30\x75", 4)); // a 30000 × 30000 canvas
    addFile(u"canvas.gif"_s, gif);
    const QString good = addPicture(u"good.jpg"_s, 40, 30);
    const QString slow = addPicture(u"slow.bmp"_s, 4000, 3000, "bmp");
    addPicture(u"replaced.jpg"_s, 20, 20);
    control<platform::FileListBox>("pictureFileList")
        ->setPath(control<platform::DirListBox>("pictureFolderList")->path());

    const struct {
        const char* name;
        const char* message;
        const char* title;
    } cases[] = {
        {"huge.jpg", "This picture is 60000 × 60000 pixels, too large to show.",
         "Picture Too Large"},
        {"canvas.gif", "This picture is 30000 × 30000 pixels, too large to show.",
         "Picture Too Large"},
        {"replaced.jpg", "Invalid Picture Type", "Corrupt Picture"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        control<platform::DirListBox>("pictureFolderList")->setPath(scratch.path());
        const bool replaced = std::string_view(c.name) == "replaced.jpg";
        // A long decode first, so that the next choice's decode waits behind it while
        // its file is replaced.
        const QString before = replaced ? slow : good;
        click(QFileInfo(before).fileName());
        if (replaced)
            QThread::msleep(5);
        click(QString::fromLatin1(c.name));
        if (replaced)
            picture_files::write(scratchPath(u"replaced.jpg"_s), "no longer a picture");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); })) << c.name;
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.message)) << c.name;
        EXPECT_EQ(messages.shown[0].title, QLatin1String(c.title)) << c.name;
        EXPECT_EQ(form->document().settings().picture,
                  QDir::toNativeSeparators(before).toStdString())
            << c.name;
    }
    QImageReader::setAllocationLimit(previousLimit);
}

TEST_F(ImageTabTest, AVeryLargePhotoIsShownAndMeasured) {
    const QString large = picture_files::largeJpeg(15000, 10000);
    QFile::copy(large, scratchPath(u"large.jpg"_s));
    openScratchFolder();
    click(u"large.jpg"_s);
    EXPECT_TRUE(messages.shown.empty());
    expectChosen(QDir::toNativeSeparators(scratchPath(u"large.jpg"_s)), "15000", "10000");
    EXPECT_TRUE(previewShown());
    QTest::mouseClick(control<platform::ImageBox>("picturePreview"), Qt::LeftButton);
    PicturePreviewWindow* preview = form->findChild<PicturePreviewWindow*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !busy(preview); }));
    EXPECT_FALSE(preview->findChild<QWidget*>(u"picture"_s)->isHidden());
}

TEST_F(ImageTabTest, AGifTooLargeToDecodeIsReportedInPlainWords) {
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // megabytes
    openScratchFolder();
    addPicture(u"wide.gif"_s, 700, 400, "gif");
    control<platform::FileListBox>("pictureFileList")
        ->setPath(control<platform::DirListBox>("pictureFolderList")->path());
    click(u"wide.gif"_s);
    QImageReader::setAllocationLimit(previousLimit);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"This picture is 700 × 400 pixels, too large to show."_s);
    EXPECT_EQ(messages.shown[0].title, u"Picture Too Large"_s);
    EXPECT_EQ(chosenPicture(), QString());
    EXPECT_FALSE(busy(form.get()));
}

TEST_F(ImageTabTest, AFileGoneSinceTheListingRecoversQuietly) {
    openScratchFolder();
    const QString gone = addPicture(u"gone.jpg"_s, 10, 10);
    control<platform::FileListBox>("pictureFileList")
        ->setPath(control<platform::DirListBox>("pictureFolderList")->path());
    QFile::remove(gone);
    click(u"gone.jpg"_s);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(control<platform::DirListBox>("pictureFolderList")->path(), form->startFolder());
    EXPECT_EQ(chosenPicture(), QString());
    EXPECT_FALSE(busy(form.get()));
    EXPECT_FALSE(control<platform::MenuItem>("imageItem")->isTicked());
}

TEST_F(ImageTabTest, ADriveWithNoDiskIsReportedAndTheListsGoHome) {
    openScratchFolder();
    const QString good = addPicture(u"good.jpg"_s, 12, 8);
    control<platform::FileListBox>("pictureFileList")
        ->setPath(control<platform::DirListBox>("pictureFolderList")->path());
    click(u"good.jpg"_s);

    control<platform::DriveListBox>("pictureDriveList")
        ->setCurrentIndex(
            control<platform::DriveListBox>("pictureDriveList")->findData(platform::kTestFloppy));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"Device Not Avaible... Put a Disk in and Try again"_s);
    EXPECT_EQ(messages.shown[0].title, u"No Disk"_s);
    EXPECT_EQ(control<platform::DriveListBox>("pictureDriveList")->drive(),
              driveHolding(form->startFolder()));
    EXPECT_EQ(control<platform::DirListBox>("pictureFolderList")->path(), form->startFolder());
    EXPECT_TRUE(control<platform::ImageBox>("picturePreview")->picture().isNull());
    expectChosen(QDir::toNativeSeparators(good), "12", "8");
}

TEST_F(ImageTabTest, PreviewClickOpensThePreviewWindowEvenWithoutAPicture) {
    QTest::mouseClick(control<platform::ImageBox>("picturePreview"), Qt::LeftButton);
    PicturePreviewWindow* preview = form->findChild<PicturePreviewWindow*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !busy(preview); }));
    EXPECT_TRUE(preview->findChild<QWidget*>(u"picture"_s)->isHidden()); // black only
    QTest::mouseClick(control<platform::ImageBox>("picturePreview"), Qt::LeftButton);
    EXPECT_EQ(form->findChild<PicturePreviewWindow*>(), preview);
}

} // namespace

namespace {

TEST(FullPath, OneSeparatorBetweenFolderAndFile) {
    const QString sep = QDir::separator();
    EXPECT_EQ(joinFolderAndFile(sep, u"a.jpg"_s), sep + u"a.jpg"_s); // a drive's root
    EXPECT_EQ(joinFolderAndFile(sep + u"pics"_s, u"a b.jpg"_s),
              sep + u"pics"_s + sep + u"a b.jpg"_s);
}

} // namespace
