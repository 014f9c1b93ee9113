#include "editor/design_picker.h"
#include "editor/designs.h"
#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/dir_list_box.h"
#include "platform/export_guards.h"
#include "platform/file_list_box.h"
#include "platform/menu_item.h"
#include "platform/picture_colours.h"
#include "scoped_variable.h"
#include "stationery/atomic_file.h"
#include "stationery/check.h"
#include "stationery/todays_clients_writer.h"
#include "stationery/writer.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QStandardPaths>

#include <thread>

#include "special_files.h"

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
        s.picture = "/designs/picture.jpg";
        stationery::CheckFacts facts;
        facts.pictureExists = true;
        facts.pictureBytes = std::uintmax_t(bytes.size());
        facts.picture = platform::pictureColours(decoded);
        for (const stationery::Finding& finding : stationery::checkStationery(s, facts))
            EXPECT_TRUE(finding.concern != stationery::Concern::TextOnBackground &&
                        finding.concern != stationery::Concern::TextOnPicture)
                << design.name << ": contrast " << finding.ratio;
    }
    EXPECT_EQ(names.size(), qsizetype(designs().size())) << "two designs share a name";
}

// How far apart two lines of pixels are: the mean difference of their channels.
double lineDifference(const QImage& image, bool columns, int a, int b) {
    const int length = columns ? image.height() : image.width();
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb p = columns ? image.pixel(a, i) : image.pixel(i, a);
        const QRgb q = columns ? image.pixel(b, i) : image.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / (3.0 * length);
}

// Tiled, every design's picture joins without a seam: where its last column meets its
// first (and its last row its first), the pixels differ no more than neighbours inside
// the picture mostly do, or than the pattern's own edges (a ruled line's) do elsewhere.
TEST(Designs, PicturesTileWithoutASeam) {
    for (const Design& design : designs()) {
        const QImage image =
            QImage::fromData(designPicture(design)).convertToFormat(QImage::Format_RGB32);
        for (const bool columns : {true, false}) {
            const int count = columns ? image.width() : image.height();
            std::vector<double> inside;
            for (int i = 0; i + 1 < count; ++i)
                inside.push_back(lineDifference(image, columns, i, i + 1));
            std::sort(inside.begin(), inside.end());
            const double seam = lineDifference(image, columns, count - 1, 0);
            const double usual = inside[inside.size() * 9 / 10];
            const auto alike = std::count_if(inside.begin(), inside.end(),
                                             [seam](double each) { return each >= seam - 4; });
            EXPECT_TRUE(seam <= usual + 4 || alike >= 2)
                << design.name << (columns ? ": left and right " : ": top and bottom ") << seam
                << " against " << usual;
        }
    }
}

// The ruled notebook's rules are the stationery's written line height apart, one at the
// foot of each line of text below the top margin.
TEST(Designs, RulesSitUnderTheLinesOfText) {
    const auto ruled = std::find_if(designs().begin(), designs().end(), [](const Design& d) {
        return QByteArray(d.fileStem) == "ruled-notebook";
    });
    ASSERT_NE(ruled, designs().end());
    stationery::StationerySettings s;
    applyDesign(*ruled, s);
    const long pitch = stationery::TodaysClientsWriter::lineHeightPixels(s.fontSize);
    EXPECT_NE(stationery::TodaysClientsWriter::render(s).find(
                  "line-height: " + std::to_string(pitch) + "px;"),
              std::string::npos);
    const QImage image = QImage::fromData(designPicture(*ruled));
    std::vector<int> rules;
    for (int y = 0; y < image.height(); ++y) // darker than the paper: a rule
        if (qGray(image.pixel(image.width() / 2, y)) < qGray(qRgb(0xFF, 0xFD, 0xF4)) - 20)
            rules.push_back(y);
    ASSERT_GE(rules.size(), 2u);
    const long top = s.topMargin;
    EXPECT_EQ(rules.front(), (top + pitch - 1) % pitch);
    for (std::size_t i = 1; i < rules.size(); ++i)
        EXPECT_EQ(rules[i] - rules[i - 1], pitch) << rules[i];
    EXPECT_EQ(image.height() % pitch, 0);
}

class DesignsWindowTest : public EditorTest {
protected:
    // The designs' folder is this test's own: tests run side by side.
    void SetUp() override {
        folder = platform::designsFolder();
        EditorTest::SetUp();
    }
    ScopedVariable data{"XDG_DATA_HOME", scratchPath(u"data"_s).toUtf8()};
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
    const std::optional<std::string> soundBefore = form->document().settings().sound;

    QTest::keyClick(list, Qt::Key_Right);
    QTest::keyClick(list, Qt::Key_Return);
    const Design& chosen = designs().at(1);
    stationery::StationerySettings expected = form->document().settings();
    applyDesign(chosen, expected);
    const QString picture = QDir(folder).filePath(QLatin1String(chosen.fileStem) + u".jpg"_s);
    const QImage drawn(picture);
    expected.picture = QDir::toNativeSeparators(picture).toStdString();
    expected.pictureWidth = drawn.width();
    expected.pictureHeight = drawn.height();
    EXPECT_EQ(form->document().settings(), expected);
    EXPECT_EQ(form->document().settings().sound, soundBefore);
    EXPECT_TRUE(form->document().isModified());
    EXPECT_TRUE(form->findChild<platform::MenuItem*>(u"imageItem"_s)->isTicked());
    EXPECT_TRUE(form->findChild<platform::MenuItem*>(u"marginsItem"_s)->isTicked());
    EXPECT_TRUE(previewShown());
    EXPECT_TRUE(messages.shown.empty());
    // The lists follow: the design's picture is the one chosen in its folder.
    EXPECT_EQ(form->findChild<platform::FileListBox*>(u"pictureFileList"_s)->fileName(),
              QLatin1String(chosen.fileStem) + u".jpg"_s);
    EXPECT_EQ(QFileInfo(form->findChild<platform::DirListBox*>(u"pictureFolderList"_s)->path()),
              QFileInfo(folder));
}

// A design starts a new stationery: nothing of the open file's is carried over, and
// Save no longer offers that file. Unsaved work is asked about first.
TEST_F(DesignsWindowTest, ADesignStartsANewUnnamedStationery) {
    stationery::StationerySettings trip;
    trip.title = "Trip";
    trip.author = "Ann";
    const QString file = scratchPath(u"trip.htm"_s);
    stationery::StationeryWriter::save(file.toStdString(), trip);
    ASSERT_TRUE(form->openStationery(file));
    control<QLineEdit>("titleEdit")->setText(u"Trip 2"_s);

    QListWidget* list = openDesigns();
    ASSERT_NE(list, nullptr);
    messages.answer = platform::MessageBox::SaveChoice::Cancel;
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(messages.asked.size(), 1u); // unsaved changes: asked, and kept
    EXPECT_EQ(form->document().settings().title, "Trip 2");

    messages.answer = platform::MessageBox::SaveChoice::Discard;
    QTest::keyClick(list, Qt::Key_Return);
    const stationery::StationerySettings fresh;
    const stationery::StationerySettings& now = form->document().settings();
    EXPECT_EQ(now.title, fresh.title);
    EXPECT_EQ(now.author, fresh.author);
    EXPECT_EQ(now.fontName, designs().at(0).fontName);
    EXPECT_TRUE(form->document().path().isEmpty());
    EXPECT_FALSE(form->windowTitle().contains(u"trip"_s)) << form->windowTitle().toStdString();
    dialogs.cancelNext();
    trigger("saveAction");
    EXPECT_FALSE(dialogs.lastInitialFolder().contains(u"trip.htm"_s));
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
    if (special_files::makePipe(pipe)) {
        QFile::remove(second);
        picture_files::write(second, "another picture of mine");
        EXPECT_EQ(QFileInfo(DesignPicker::placedPicture(design, folder)).fileName(),
                  QLatin1String(design.fileStem) + u" (4).jpg"_s);
    }

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
