#include "editor/paths.h"
#include "editor_fixture.h"
#include "stationery/writer.h"

#include <QCloseEvent>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Choice = platform::MessageBox::SaveChoice;

class UnsavedChangesTest : public EditorTest {
protected:
    // The three ways out of the stationery, each reporting whether it went on.
    enum class Leave { ExitKey, CloseWindow, OpenAnother };

    bool leave(Leave how) {
        switch (how) {
        case Leave::ExitKey: {
            const int endsBefore = programEnds;
            QTest::keyClick(form.get(), Qt::Key_X, Qt::ControlModifier);
            return programEnds > endsBefore;
        }
        case Leave::CloseWindow: {
            QCloseEvent event;
            QCoreApplication::sendEvent(form.get(), &event);
            return event.isAccepted();
        }
        case Leave::OpenAnother:
            break;
        }
        dialogs.answerOpen(other);
        trigger("openAction");
        return form->document().settings().tickers[0] == "the other one";
    }

    void SetUp() override {
        EditorTest::SetUp();
        stationery::StationerySettings s;
        s.tickers[0] = "the other one";
        other = scratchPath(u"other.htm"_s);
        stationery::StationeryWriter::save(fileSystemPath(other), s);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QString other;
};

TEST_F(UnsavedChangesTest, AnUntouchedWindowGoesOnWithoutAsking) {
    for (Leave how : {Leave::OpenAnother, Leave::CloseWindow, Leave::ExitKey}) {
        EXPECT_TRUE(leave(how)) << static_cast<int>(how);
        EXPECT_TRUE(messages.asked.empty());
    }
}

TEST_F(UnsavedChangesTest, TypedWorkIsSavedDiscardedOrKeptAsAnswered) {
    const struct {
        Choice answer;
        bool saveDialogAnswered;
        bool goesOn;
        bool saved;
    } cases[] = {{Choice::Cancel, false, false, false},
                 {Choice::Discard, false, true, false},
                 {Choice::Save, true, true, true},
                 {Choice::Save, false, false, false}}; // the save dialog cancelled
    for (Leave how : {Leave::ExitKey, Leave::CloseWindow, Leave::OpenAnother}) {
        for (const auto& c : cases) {
            SetUp(); // a fresh window
            messages.asked.clear();
            control<QLineEdit>("ticker1Edit")->setText(u"typed work"_s);
            EXPECT_TRUE(shownTitle().endsWith(u'*')) << shownTitle().toStdString();
            messages.answer = c.answer;
            const QString savedTo = scratchPath(u"mine.htm"_s);
            QFile::remove(savedTo);
            if (c.saveDialogAnswered)
                dialogs.answerSave(savedTo);
            else if (c.answer == Choice::Save)
                dialogs.cancelNext();
            const std::string where = std::to_string(static_cast<int>(how)) + "/" +
                                      std::to_string(static_cast<int>(c.answer));

            EXPECT_EQ(leave(how), c.goesOn) << where;
            ASSERT_EQ(messages.asked.size(), 1u) << where;
            EXPECT_EQ(messages.asked[0].text, u"Save changes to the new stationery?"_s);
            EXPECT_EQ(QFile::exists(savedTo), c.saved) << where;
            // Kept work shows no Open dialog; its answer stays unasked.
            EXPECT_EQ(dialogs.allAnswered(), c.goesOn || how != Leave::OpenAnother) << where;
            dialogs.discardAnswers();
            if (!c.goesOn) { // nothing lost: the typed text stays
                EXPECT_EQ(control<QLineEdit>("ticker1Edit")->text(), u"typed work"_s) << where;
            }
            if (c.saved && how != Leave::OpenAnother) {
                EXPECT_EQ(shownTitle(), savedTo) << where;
            }
        }
    }
}

TEST_F(UnsavedChangesTest, TheQuestionNamesTheFileAndASaveClearsTheMark) {
    dialogs.answerOpen(other);
    trigger("openAction");
    EXPECT_EQ(shownTitle(), other);
    control<QLineEdit>("ticker2Edit")->setText(u"more"_s);
    EXPECT_EQ(shownTitle(), other + u'*');
    EXPECT_FALSE(leave(Leave::CloseWindow));
    EXPECT_EQ(messages.asked.at(0).text, u"Save changes to other.htm?"_s);
    dialogs.answerSave(other);
    trigger("saveAction");
    EXPECT_EQ(shownTitle(), other);
    EXPECT_TRUE(leave(Leave::CloseWindow));
    EXPECT_EQ(messages.asked.size(), 1u);
}

} // namespace
