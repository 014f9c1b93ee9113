#include "editor_fixture.h"
#include "platform/check_box.h"
#include "platform/label.h"
#include "stationery/writer.h"

#include <QFile>
#include <QLineEdit>

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
    const QString path = scratchPath("untouched.htm");
    dialogs.answerSave(path);
    form->Form1_mnuSave_Click();
    EXPECT_EQ(contentsOf(path), rendered(stationery::StationerySettings{}));
    EXPECT_EQ(form->windowTitle(), path);
    EXPECT_EQ(form->MousePointer(), Form1::PointerDefault);
    EXPECT_EQ(form->CommonDialog1.Flags, 8192);
    EXPECT_EQ(dialogs.lastNameFilter(), "Stationery Files (*.htm, *.html) (*.htm *.html)");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveTest, EachSaveWritesTheWindowAsItIsThen) {
    const QString first = scratchPath("first.htm");
    const QString second = scratchPath("second");
    dialogs.answerSave(first);
    form->Form1_mnuSave_Click();
    form->Text4->setText("Ann");
    form->Check2->setValue(1);
    form->Text2->setText("Hello \"you\"");
    dialogs.answerSave(second);
    form->Form1_mnuSave_Click();

    stationery::StationerySettings expected;
    expected.AuthorName = "Ann";
    expected.OutlookExpress4 = 1;
    expected.TickerText2 = "Hello \"you\"";
    EXPECT_EQ(form->settingsFromControls(), expected);
    EXPECT_EQ(contentsOf(first), rendered(stationery::StationerySettings{}));
    EXPECT_EQ(contentsOf(second), rendered(expected)); // no extension is added
    EXPECT_EQ(form->windowTitle(), second);
}

TEST_F(SaveTest, CancelledDialogDoesNothing) {
    const QString before = form->windowTitle();
    dialogs.cancelNext();
    form->Form1_mnuSave_Click();
    EXPECT_EQ(form->windowTitle(), before);
    EXPECT_EQ(form->MousePointer(), Form1::PointerDefault);
    EXPECT_TRUE(QDir(scratch.path()).isEmpty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveTest, FailedSaveIsReportedAndLosesNothing) {
    const QString good = scratchPath("good.htm");
    dialogs.answerSave(good);
    form->Form1_mnuSave_Click();
    const QByteArray goodContents = contentsOf(good);

    form->Text5->setText("Changed");
    const QString missing = scratchPath("no such folder/x.htm");
    dialogs.answerSave(missing);
    form->Form1_mnuSave_Click();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(missing)) << messages.shown[0].text.toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains("No such file or directory"));
    EXPECT_EQ(form->windowTitle(), good); // still names the file really written
    EXPECT_EQ(form->MousePointer(), Form1::PointerDefault);
    EXPECT_EQ(form->Text5->text(), "Changed");
    EXPECT_EQ(contentsOf(good), goodContents);
}

TEST_F(SaveTest, ControlsReachTheRecord) {
    form->Text1->setText("one");
    form->Text3->setText("");
    form->Text4->setText("");
    form->Text5->setText("T");
    form->Label10->setCaption("/p/sky.jpg");
    form->Label14->setCaption("/s/a.wav");
    form->Check1->setValue(1);
    form->Label4->Tag = "FF0000";
    form->Label5->Tag = "0000FF";
    form->Label13->setCaption("Left");
    form->Text6->setText("125");
    form->Text7->setText("80");
    form->Text8->setText("12.5");
    form->Text9->setText("x");
    form->CommonDialog1.FontName = "Serif";
    form->CommonDialog1.FontSize = 10.5f;
    form->CommonDialog1.FontItalic = true;

    const stationery::StationerySettings s = form->settingsFromControls();
    EXPECT_EQ(s.TickerText1, "one");
    EXPECT_EQ(s.TickerText3, "");
    EXPECT_EQ(s.AuthorName, "");
    EXPECT_EQ(s.Title, "T");
    EXPECT_EQ(s.ImagePath, "/p/sky.jpg");
    EXPECT_EQ(s.SoundPath, "/s/a.wav");
    EXPECT_EQ(s.NoSound, 1);
    EXPECT_EQ(s.TextColor, "FF0000");
    EXPECT_EQ(s.BackgroundColor, "0000FF");
    EXPECT_EQ(s.Direction, stationery::ScrollDirection::Left);
    EXPECT_EQ(s.ImageWidth, "125");
    EXPECT_EQ(s.ImageHeight, "80");
    EXPECT_EQ(s.TopMargin, "12.5");
    EXPECT_EQ(s.LeftMargin, "x");
    EXPECT_EQ(s.FontName, "Serif");
    EXPECT_EQ(s.FontSize, 10.5f);
    EXPECT_TRUE(s.FontItalic);
    EXPECT_FALSE(s.FontBold);
}

} // namespace
