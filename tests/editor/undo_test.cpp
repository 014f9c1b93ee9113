// Edit › Undo and Redo, as a person uses them: every kind of edit made through the
// window goes back and comes again, the unsaved mark follows the file, typing into a
// field is one step, and Open and a design are one step each.
#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/check_box.h"
#include "sound_files.h"
#include "stationery/writer.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class UndoTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        picture_files::write(scratchPath(u"sky.jpg"_s),
                             picture_files::encode(picture_files::detailed(60, 40), "jpeg"));
        picture_files::write(scratchPath(u"sea.png"_s),
                             picture_files::encode(picture_files::detailed(30, 20), "png"));
        picture_files::write(scratchPath(u"waves.wav"_s), sound_files::sineWav(0.05));
        stationery::StationerySettings s;
        s.picture = scratchPath(u"sky.jpg"_s).toStdString();
        s.title = "Trip";
        saved = scratchPath(u"trip.htm"_s);
        stationery::StationeryWriter::save(saved.toStdString(), s);
        ASSERT_TRUE(form->openStationery(saved));
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // The Undo entry as the menu shows it.
    QString undoText() const { return control<QAction>("undoAction")->text().remove(u'&'); }
    QByteArray savedAs(const QString& name) {
        dialogs.answerSave(scratchPath(name));
        trigger("saveAction");
        QFile file(scratchPath(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QString saved;
};

TEST_F(UndoTest, EveryEditGoesBackAndComesAgainAndTheMarkFollows) {
    const QByteArray original = [this] {
        QFile file(saved);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    const struct {
        const char* undo;
        std::function<void()> edit;
    } cases[] = {
        {"Undo Change Title",
         [this] {
             QTest::keyClicks(control<QLineEdit>("titleEdit"), u" home"_s);
         }},
        {"Undo Change Author",
         [this] {
             QTest::keyClicks(control<QLineEdit>("authorEdit"), u"!"_s);
         }},
        {"Undo Change Ticker Text",
         [this] {
             QTest::keyClicks(control<QLineEdit>("ticker2Edit"), u"Hi"_s);
         }},
        {"Undo Change Margin",
         [this] {
             control<QTabWidget>("partTabs")->setCurrentIndex(MainWindow::TabMargins);
             QTest::keyClicks(control<QLineEdit>("leftMarginEdit"), u"5"_s);
         }},
        {"Undo Change Picture Size",
         [this] {
             QTest::keyClicks(control<QLineEdit>("pictureWidthEdit"), u"0"_s);
         }},
        {"Undo Change Scroll Direction",
         [this] {
             control<QAbstractButton>("scrollLeftButton")->click();
         }},
        {"Undo Change Text Colour",
         [this] {
             dialogs.answerColor(Qt::darkBlue);
             control<QAbstractButton>("textColorButton")->click();
         }},
        {"Undo Change Font",
         [this] {
             dialogs.answerFont(QFont(u"DejaVu Serif"_s, 14));
             control<QAbstractButton>("fontButton")->click();
         }},
        {"Undo Change Picture",
         [this] {
             dialogs.answerOpen(scratchPath(u"sea.png"_s));
             control<QAbstractButton>("pictureBrowseButton")->click();
         }},
        {"Undo Change Sound",
         [this] {
             dialogs.answerOpen(scratchPath(u"waves.wav"_s));
             control<QAbstractButton>("soundBrowseButton")->click();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.undo);
        const stationery::StationerySettings before = form->document().settings();
        c.edit();
        const stationery::StationerySettings after = form->document().settings();
        ASSERT_NE(after, before);
        EXPECT_EQ(undoText(), QString::fromLatin1(c.undo));
        EXPECT_TRUE(shownTitle().endsWith(u"*"_s)) << shownTitle().toStdString();

        trigger("undoAction");
        EXPECT_EQ(form->document().settings(), before);
        EXPECT_FALSE(shownTitle().endsWith(u"*"_s)) << shownTitle().toStdString();
        trigger("redoAction");
        EXPECT_EQ(form->document().settings(), after);
        EXPECT_TRUE(shownTitle().endsWith(u"*"_s));
        trigger("undoAction");
        EXPECT_EQ(savedAs(u"back.htm"_s), original);
        ASSERT_TRUE(form->openStationery(saved)); // the file, not the copy, is the document
    }
    // What Undo put back is shown, not only kept: the picture and the fields.
    EXPECT_EQ(control<QLineEdit>("titleEdit")->text(), u"Trip"_s);
    EXPECT_TRUE(previewShown());
}

TEST_F(UndoTest, TypingIsOneStepAndCtrlZInTheFieldUndoesIt) {
    auto* title = control<QLineEdit>("titleEdit");
    title->setFocus();
    QTest::keyClicks(title, u" by the sea"_s);
    EXPECT_EQ(form->document().settings().title, "Trip by the sea");
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->document().settings().title, "Trip");
    EXPECT_EQ(title->text(), u"Trip"_s);
    EXPECT_FALSE(form->isWindowModified());
    QTest::keyClick(title, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(title->text(), u"Trip by the sea"_s);
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->document().settings().title, "Trip by the sea"); // nothing more to redo
    // Typed back to where it began: no step of it is left.
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClicks(title, u"s"_s);
    QTest::keyClick(title, Qt::Key_Backspace);
    EXPECT_EQ(undoText(), u"Undo Open"_s); // the step before the typing
}

TEST_F(UndoTest, OpenAndADesignAreOneStepEach) {
    stationery::StationerySettings other;
    other.title = "Garden";
    const QString second = scratchPath(u"garden.htm"_s);
    stationery::StationeryWriter::save(second.toStdString(), other);
    ASSERT_TRUE(form->openStationery(second));
    EXPECT_EQ(undoText(), u"Undo Open"_s);
    trigger("undoAction");
    EXPECT_EQ(form->document().settings().title, "Trip");
    EXPECT_EQ(form->document().path(), saved);
    EXPECT_TRUE(previewShown());
    trigger("redoAction");
    EXPECT_EQ(form->document().path(), second);
    EXPECT_FALSE(form->isWindowModified());

    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    auto* designs = form->findChild<QListWidget*>(u"DesignList"_s);
    ASSERT_NE(designs, nullptr);
    QTest::keyClick(designs, Qt::Key_Return);
    EXPECT_TRUE(form->document().path().isEmpty());
    EXPECT_EQ(undoText(), u"Undo New from Design"_s);
    trigger("undoAction");
    EXPECT_EQ(form->document().settings().title, "Garden");
    EXPECT_EQ(form->document().path(), second);
}

} // namespace
