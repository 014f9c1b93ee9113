#include "editor_fixture.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/menu_item.h"

#include <QLineEdit>
#include <QTest>

namespace {

using MarginsTickerTest = EditorTest;

TEST_F(MarginsTickerTest, DirectionButtonsSetTheCaptionAndTheMark) {
    const std::pair<platform::ImageBox*, const char*> buttons[] = {
        {form->Image3, "Up"},    {form->Image4, "Left"},      {form->Image5, "Down"},
        {form->Image6, "Right"}, {form->Image7, "No Scroll"},
    };
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->toolTip(), caption);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(form->Label13->Caption(), caption);
    }
    EXPECT_TRUE(form->mnuMargins->Checked());
    EXPECT_FALSE(stationery::isScrolling(form->settingsFromControls()));
}

TEST_F(MarginsTickerTest, UpAndDownCopyTheWidthOnlyWhenAnImageIsChosen) {
    form->Form1_Image3_Click(); // no image: the fields are disabled
    EXPECT_EQ(form->Label13->Caption(), "Up");
    EXPECT_EQ(form->Text9->text(), "0");

    form->Image1->Tag = "/p/sky.jpg";
    form->Text6->setText("83.3333333333333");
    form->Form1_mnuMargins_Click(); // the tab change enables the fields
    form->Text9->setText("7");
    for (void (Form1::*keeps)() :
         {&Form1::Form1_Image4_Click, &Form1::Form1_Image6_Click, &Form1::Form1_Image7_Click}) {
        (form.get()->*keeps)();
        EXPECT_EQ(form->Text9->text(), "7");
    }
    form->Form1_Image5_Click();
    EXPECT_EQ(form->Text9->text(), "83.3333333333333");
    form->Text9->setText("1");
    form->Form1_Image3_Click();
    EXPECT_EQ(form->Text9->text(), "83.3333333333333");
}

TEST_F(MarginsTickerTest, AnyTickerEditChecksTheTickerEntry) {
    EXPECT_FALSE(form->mnuTicker->Checked());
    form->Text2->setText("x");
    EXPECT_TRUE(form->mnuTicker->Checked());

    auto fresh = makeForm();
    fresh->Text3->clear();
    EXPECT_TRUE(fresh->mnuTicker->Checked());
    fresh->Text3->setText("Ticker #3's Text Goes Here...Or leave me Blank");
    EXPECT_TRUE(fresh->mnuTicker->Checked()); // stays on for the rest of the run
}

} // namespace
