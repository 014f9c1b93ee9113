#include "editor/design_picker.h"
#include "editor/designs.h"
#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/menu_item.h"
#include "platform/picture_colours.h"
#include "stationery/atomic_file.h"
#include "stationery/check.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QListWidget>
#include <QSet>
#include <QStandardPaths>

#include <thread>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Every design draws the same small JPEG each time, and keeps its text readable on
// its picture and its background colour by Check's own rules.
TEST(Designs, DrawnAlikeEveryTimeSmallAndReadable) {
    ASSERT_GE(designs().size(), 12u);
    QSet<QString> names;
    for (const Design& design : designs()) {
        const QString name = QString::fromLatin1(design.name);
        names.insert(name);
        const QByteArray bytes = designPicture(design);
        EXPECT_EQ(bytes, designPicture(design)) << design.name;
        EXPECT_LT(bytes.size(), 100 * 1024) << design.name;

        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        EXPECT_EQ(reader.format(), "jpeg") << design.name;
        const QImage decoded = reader.read();
        ASSERT_FALSE(decoded.isNull()) << design.name;

        stationery::StationerySettings s;
        applyDesign(design, s);
        s.ImagePath = "/designs/picture.jpg";
        stationery::CheckFacts facts;
        facts.pictureExists = true;
        facts.pictureBytes = std::uintmax_t(bytes.size());
        facts.picture = platform::pictureColours(decoded);
        for (const stationery::Finding& finding : stationery::checkStationery(s, facts))
            EXPECT_EQ(finding.meaning.rfind("Text on", 0), std::string::npos)
                << design.name << ": " << finding.meaning;
    }
    EXPECT_EQ(names.size(), qsizetype(designs().size())) << "two designs share a name";
}

class DesignsWindowTest : public EditorTest {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/designs"_s;
        QDir(folder).removeRecursively();
        EditorTest::SetUp();
    }
    void TearDown() override {
        QDir(folder).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
    }
    QListWidget* openDesigns() {
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
        auto* list = form->findChild<QListWidget*>(u"DesignList"_s);
        EXPECT_NE(list, nullptr);
        return list;
    }
    QString folder;
};

TEST_F(DesignsWindowTest, EnterAppliesTheChosenDesignAsIfChosenByHand) {
    QListWidget* list = openDesigns();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentRow(), 0);
    for (int row = 0; row < list->count(); ++row)
        EXPECT_FALSE(list->item(row)->data(Qt::AccessibleTextRole).toString().isEmpty());
    const std::string soundBefore = form->document().settings().SoundPath;

    QTest::keyClick(list, Qt::Key_Right);
    QTest::keyClick(list, Qt::Key_Return);
    const Design& chosen = designs().at(1);
    stationery::StationerySettings expected = form->document().settings();
    applyDesign(chosen, expected);
    EXPECT_EQ(form->document().settings(), expected);
    const QString picture = QDir(folder).filePath(QLatin1String(chosen.fileStem) + u".jpg"_s);
    EXPECT_EQ(QString::fromStdString(form->document().settings().ImagePath),
              QDir::toNativeSeparators(picture));
    EXPECT_EQ(form->document().settings().SoundPath, soundBefore);
    EXPECT_TRUE(form->document().isModified());
    EXPECT_TRUE(form->findChild<platform::MenuItem*>(u"imageItem"_s)->isTicked());
    EXPECT_TRUE(form->findChild<platform::MenuItem*>(u"marginsItem"_s)->isTicked());
    EXPECT_TRUE(previewShown());
    EXPECT_TRUE(messages.shown.empty());
}

// The picture goes into the data folder once; a file of the same name with other
// bytes is someone else's and is left alone.
TEST_F(DesignsWindowTest, APictureIsWrittenOnceAndNothingIsOverwritten) {
    const Design& design = designs().front();
    const QString first = DesignPicker::placedPicture(design, folder);
    EXPECT_EQ(QFileInfo(first).fileName(), QLatin1String(design.fileStem) + u".jpg"_s);
    EXPECT_EQ(DesignPicker::placedPicture(design, folder), first);
    picture_files::write(first, "my own picture");
    const QString second = DesignPicker::placedPicture(design, folder);
    EXPECT_EQ(QFileInfo(second).fileName(), QLatin1String(design.fileStem) + u" (2).jpg"_s);
    QFile mine(first);
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "my own picture");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2);

    // A pipe under the name is passed over, never opened for reading (which would wait
    // for a writer for ever).
    const QString pipe = QDir(folder).filePath(QLatin1String(design.fileStem) + u" (3).jpg"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QFile::remove(second);
    picture_files::write(second, "another picture of mine");
    EXPECT_EQ(QFileInfo(DesignPicker::placedPicture(design, folder)).fileName(),
              QLatin1String(design.fileStem) + u" (4).jpg"_s);

    // A folder that cannot be made is refused with the system's reason.
    try {
        DesignPicker::placedPicture(design, first + u"/designs"_s);
        ADD_FAILURE() << "a folder inside a file was made";
    } catch (const stationery::FileWriteError& error) {
        EXPECT_EQ(error.reason(), "Not a directory");
    }
}

// Two editors applying the same design at the same moment both get the one picture.
TEST_F(DesignsWindowTest, EditorsApplyingOneDesignAtOnceShareItsPicture) {
    const Design& design = designs().front();
    for (int round = 0; round < 20; ++round) {
        const QString roundFolder = folder + QStringLiteral("/%1").arg(round);
        QString placed[2];
        QString failures[2];
        std::thread editors[2];
        for (int i = 0; i < 2; ++i)
            editors[i] = std::thread([&, i] {
                try {
                    placed[i] = DesignPicker::placedPicture(design, roundFolder);
                } catch (const std::exception& error) {
                    failures[i] = QString::fromStdString(error.what());
                }
            });
        for (std::thread& editor : editors)
            editor.join();
        EXPECT_TRUE(failures[0].isEmpty() && failures[1].isEmpty())
            << failures[0].toStdString() << failures[1].toStdString();
        EXPECT_EQ(placed[0], placed[1]);
        EXPECT_EQ(QDir(roundFolder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

} // namespace
