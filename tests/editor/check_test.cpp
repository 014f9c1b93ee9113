#include "dialogs/check_window.h"
#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/menu_item.h"
#include "platform/picture_colours.h"
#include "platform/url_opener.h"
#include "platform/window_placement.h"
#include "stationery/writer.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

class CheckTest : public EditorTest {
protected:
    QStringList rows() {
        QApplication::processEvents(); // the findings follow once the handler has ended
        QStringList texts;
        QListWidget* list = form->findChild<CheckWindow*>()->list();
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
};

// F5 shows what a recipient gets: the form for today's mail clients, with a few lines
// of sample text in the chosen font and colour over the picture.
TEST_F(CheckTest, PreviewShowsTheMessageARecipientGets) {
    const QString picture = scratchPath(u"sky & sea #1.jpg"_s);
    picture_files::write(picture, picture_files::encode(picture_files::detailed(30, 20), "jpeg"));
    dialogs.answerOpen(picture);
    control<QPushButton>("pictureBrowseButton")->click();
    dialogs.answerColor(QColor(0, 0, 128));
    control<QPushButton>("textColorButton")->click();
    const QString title = shownTitle();
    trigger("previewAction");
    ASSERT_EQ(browser.opened.size(), 1u);
    const QString page = browser.opened[0].toLocalFile();
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray shown = file.readAll();
    file.close();
    EXPECT_TRUE(shown.startsWith("<!DOCTYPE html>"));
    EXPECT_FALSE(shown.contains("<script"));
    EXPECT_TRUE(shown.contains("Dear friend,<br><br>Greetings from here."));
    EXPECT_TRUE(shown.contains("color: #000080;"));
    // The picture by its full address, escaped for HTML.
    const QByteArray pictureFolder = QUrl::fromLocalFile(QFileInfo(picture).absolutePath())
                                         .toString(QUrl::FullyEncoded)
                                         .toUtf8();
    EXPECT_TRUE(shown.contains("background=\"" + pictureFolder + "/sky%20&amp;%20sea%20%231.jpg\""))
        << shown.toStdString();
    EXPECT_EQ(shownTitle(), title);
    EXPECT_TRUE(messages.shown.empty());

    // A second preview, the first page still open, goes into the same folder; the
    // folder goes with the window.
    trigger("previewAction");
    ASSERT_EQ(browser.opened.size(), 2u)
        << (messages.shown.empty() ? "" : messages.shown.back().text.toStdString());
    const QString folder = QFileInfo(page).absolutePath();
    EXPECT_EQ(QFileInfo(browser.opened[1].toLocalFile()).absolutePath(), folder);
    form.reset();
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(CheckTest, NoBrowserIsSaidInPlainWords) {
    browser.failure = u"no method available for opening the page"_s;
    trigger("previewAction");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, u"No Browser"_s);
    EXPECT_TRUE(messages.shown[0].text.contains(u"No web browser could be started"_s));
    EXPECT_TRUE(messages.shown[0].text.contains(browser.failure));
}

// The real opener runs as a process, so one that exits with an error, or cannot be
// started at all, is heard of.
TEST(DesktopUrlOpener, ReportsAnOpenerThatFails) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows' shell answers at once; there is no opener program to watch";
#endif
    const struct {
        QString program;
        bool fails;
    } cases[] = {{u"true"_s, false}, {u"false"_s, true}, {u"/no/such/opener"_s, true}};
    for (const auto& c : cases) {
        platform::DesktopUrlOpener opener(c.program);
        std::optional<QString> reason;
        opener.open(QUrl(u"file:///tmp/page.htm"_s), [&](const QString& r) { reason = r; });
        EXPECT_EQ(QTest::qWaitFor([&] { return reason.has_value(); }, c.fails ? 5000 : 500),
                  c.fails)
            << c.program.toStdString();
        EXPECT_FALSE(reason.value_or(u"-"_s).isEmpty());
    }
}

TEST_F(CheckTest, CheckWindowStandsBesideTheEditor) {
    form->show();
    trigger("checkAction");
    const QRect editor = form->frameGeometry();
    const QRect check = form->findChild<CheckWindow*>()->frameGeometry();
    EXPECT_FALSE(editor.intersects(check)) << "check window covers the editor";
    EXPECT_TRUE(form->screen()->availableGeometry().contains(check));
}

TEST(WindowPlacement, BesideWithoutCoveringOnTheScreen) {
    const QRect screen(0, 0, 1000, 800);
    const struct {
        QRect owner;
        QSize size;
    } cases[] = {
        {{0, 0, 400, 300}, {300, 200}},     // room on the right
        {{600, 100, 400, 300}, {300, 200}}, // only on the left
        {{0, 0, 900, 300}, {300, 200}},     // only below
        {{0, 500, 900, 300}, {300, 200}},   // only above
        {{100, 100, 800, 600}, {500, 500}}, // nowhere whole: made smaller
    };
    for (const auto& c : cases) {
        const QRect placed = platform::besideWithoutCovering(c.owner, screen, c.size);
        EXPECT_FALSE(placed.intersects(c.owner)) << c.owner.x() << "," << c.owner.y();
        EXPECT_TRUE(screen.contains(placed)) << c.owner.x() << "," << c.owner.y();
        EXPECT_GT(placed.width() * placed.height(), 0);
    }
}

TEST_F(CheckTest, CheckWindowFollowsTheControlsAndClosesWithEscape) {
    EXPECT_EQ(control<platform::MenuItem>("previewAction")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(control<platform::MenuItem>("checkAction")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_K));
    trigger("checkAction");
    CheckWindow* check = form->findChild<CheckWindow*>();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isVisible());
    EXPECT_FALSE(check->isModal());
    EXPECT_EQ(check->windowTitle(), u"Check"_s);
    EXPECT_EQ(rows(), QStringList{u"Nothing to worry about"_s});

    control<QLineEdit>("ticker2Edit")->setText(u"News of the week"_s);
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(rows()[0].startsWith(u"The ticker writes to a status bar by a script."_s));

    // Pale text on the untouched white: a problem, listed before the note.
    dialogs.answerColor(QColor(230, 230, 230));
    control<QPushButton>("textColorButton")->click();
    ASSERT_EQ(rows().size(), 2);
    EXPECT_TRUE(rows()[0].startsWith(u"Text on the background colour: 1.2:1; aim for 4.5:1."_s));

    // Under the findings, what today's mail clients do with the exports: every fact
    // says where it is published and when it was read.
    auto* facts = check->findChild<QTableWidget*>(u"clientFactsTable"_s);
    ASSERT_NE(facts, nullptr);
    EXPECT_GE(facts->rowCount(), 9);
    const QRegularExpression sourceAndDate(uR"(^\S.* \(20\d\d-\d\d-\d\d\)$)"_s);
    for (int row = 0; row < facts->rowCount(); ++row)
        EXPECT_TRUE(sourceAndDate.match(facts->item(row, 3)->text()).hasMatch())
            << facts->item(row, 0)->text().toStdString();

    QTest::keyClick(check, Qt::Key_Escape);
    EXPECT_FALSE(check->isVisible());
}

TEST(PictureColours, AverageAndTenths) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 2; ++y) // the darkest fifth is black
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    image.setPixel(5, 5, qRgb(255, 0, 0));
    const stationery::PictureColours colours = platform::pictureColours(image);
    EXPECT_EQ(colours.darkTenth, (stationery::Rgb{0, 0, 0}));
    EXPECT_EQ(colours.lightTenth, (stationery::Rgb{255, 255, 255}));
    EXPECT_EQ(colours.average, (stationery::Rgb{204, 201, 201}));
}

} // namespace
