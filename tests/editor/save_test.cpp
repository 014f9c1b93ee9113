#include "editor_fixture.h"

#include "editor/file_dialogs.h"
#include "platform/check_box.h"
#include "stationery/writer.h"
#include <QLabel>
#include <QToolButton>

#include <QFile>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

using SaveTest = EditorTest;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray rendered(const stationery::StationerySettings& settings) {
    return QByteArray::fromStdString(stationery::StationeryWriter::render(settings));
}

TEST_F(SaveTest, UntouchedWindowSavesTheDefaultFile) {
    const QString path = scratchPath(u"untouched.htm"_s);
    dialogs.answerSave(path);
    trigger("saveAction");
    EXPECT_EQ(contentsOf(path), rendered(stationery::StationerySettings{}));
    EXPECT_EQ(shownTitle(), path);
    EXPECT_FALSE(busy(form.get()));
    EXPECT_EQ(dialogs.lastNameFilter(), u"Stationery Files (*.htm *.html)"_s);
    EXPECT_TRUE(messages.shown.empty());
    // The next Save opens on the file just written, so Ctrl+S then Enter saves again.
    EXPECT_EQ(dialogs.lastInitialFolder(), FileDialogs::usualFolder());
    dialogs.cancelNext();
    trigger("saveAction");
    EXPECT_EQ(dialogs.lastInitialFolder(), path);
}

TEST_F(SaveTest, EachSaveWritesTheWindowAsItIsThen) {
    const QString first = scratchPath(u"first.htm"_s);
    const QString second = scratchPath(u"second"_s);
    dialogs.answerSave(first);
    trigger("saveAction");
    control<QLineEdit>("authorEdit")->setText(u"Ann"_s);
    control<platform::CheckBox>("oldClientCheck")->setChecked(true);
    control<QLineEdit>("ticker2Edit")->setText(u"Hello \"you\""_s);
    dialogs.answerSave(second);
    trigger("saveAction");

    stationery::StationerySettings expected;
    expected.author = "Ann";
    expected.soundAsHiddenPicture = 1;
    expected.tickers[1] = "Hello \"you\"";
    EXPECT_EQ(form->document().settings(), expected);
    EXPECT_EQ(contentsOf(first), rendered(stationery::StationerySettings{}));
    // A name typed without an extension gets the file type's, as save dialogs do.
    EXPECT_EQ(contentsOf(second + u".htm"_s), rendered(expected));
    EXPECT_FALSE(QFileInfo::exists(second));
    EXPECT_EQ(shownTitle(), second + u".htm"_s);
}

TEST_F(SaveTest, CancelledDialogDoesNothing) {
    const QString before = shownTitle();
    dialogs.cancelNext();
    trigger("saveAction");
    EXPECT_EQ(shownTitle(), before);
    EXPECT_FALSE(busy(form.get()));
    EXPECT_TRUE(QDir(scratch.path()).isEmpty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveTest, FailedSaveIsReportedAndLosesNothing) {
    const QString good = scratchPath(u"good.htm"_s);
    dialogs.answerSave(good);
    trigger("saveAction");
    const QByteArray goodContents = contentsOf(good);

    control<QLineEdit>("titleEdit")->setText(u"Changed"_s);
    const QString missing = scratchPath(u"no such folder/x.htm"_s);
    dialogs.answerSave(missing);
    trigger("saveAction");

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(missing)))
        << messages.shown[0].text.toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains(u"No such file or directory"_s));
    EXPECT_EQ(shownTitle(), good + u"*"_s); // the file really written, with unsaved changes
    EXPECT_FALSE(busy(form.get()));
    EXPECT_EQ(control<QLineEdit>("titleEdit")->text(), u"Changed"_s);
    EXPECT_EQ(contentsOf(good), goodContents);
}

// What the user does on every tab reaches the document, and the hidden holders show it.
TEST_F(SaveTest, ControlsReachTheDocumentAndTheHoldersShowIt) {
    control<QLineEdit>("ticker1Edit")->setText(u"one"_s);
    control<QLineEdit>("ticker3Edit")->setText(u""_s);
    control<QLineEdit>("authorEdit")->setText(u""_s);
    control<QLineEdit>("titleEdit")->setText(u"T"_s);
    control<platform::CheckBox>("noSoundCheck")->setChecked(true);
    dialogs.answerColor(QColor(255, 0, 0));
    QTest::mouseClick(control<QPushButton>("textColorButton"), Qt::LeftButton);
    dialogs.answerColor(QColor(0, 0, 255));
    QTest::mouseClick(control<QPushButton>("backgroundColorButton"), Qt::LeftButton);
    QFont serif(u"Serif"_s);
    serif.setPointSizeF(10.5);
    serif.setItalic(true);
    dialogs.answerFont(serif);
    QTest::mouseClick(control<QPushButton>("fontButton"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>("scrollLeftButton"), Qt::LeftButton);
    control<QLineEdit>("pictureWidthEdit")->setText(u"125"_s);
    control<QLineEdit>("pictureHeightEdit")->setText(u"80"_s);
    control<QLineEdit>("topMarginEdit")->setText(u"125"_s);
    control<QLineEdit>("leftMarginEdit")->setText(u"7"_s);

    const stationery::StationerySettings s = form->document().settings();
    EXPECT_EQ(s.tickers[0], "one");
    EXPECT_EQ(s.tickers[2], "");
    EXPECT_EQ(s.author, "");
    EXPECT_EQ(s.title, "T");
    EXPECT_EQ(s.noSound, 1);
    EXPECT_EQ(s.textColor, (stationery::Rgb{255, 0, 0}));
    EXPECT_EQ(s.backgroundColor, (stationery::Rgb{0, 0, 255}));
    EXPECT_EQ(s.direction, stationery::ScrollDirection::Left);
    EXPECT_EQ(s.pictureWidth, 125);
    EXPECT_EQ(s.pictureHeight, 80);
    EXPECT_EQ(s.topMargin, 125);
    EXPECT_EQ(s.leftMargin, 7);
    EXPECT_EQ(s.fontName, "Serif");
    EXPECT_EQ(s.fontSize, 10.5f);
    EXPECT_TRUE(s.italic);
    EXPECT_FALSE(s.bold);
    EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), u"Left"_s);
}

} // namespace
