#include "editor_fixture.h"
#include "platform/image_box.h"
#include "platform/menu_item.h"
#include <QLabel>

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using MarginsTickerTest = EditorTest;

TEST_F(MarginsTickerTest, DirectionButtonsSetTheCaptionAndTheMark) {
    const std::pair<platform::ImageBox*, const char*> buttons[] = {
        {control<platform::ImageBox>("Image3"), "Up"},
        {control<platform::ImageBox>("Image4"), "Left"},
        {control<platform::ImageBox>("Image5"), "Down"},
        {control<platform::ImageBox>("Image6"), "Right"},
        {control<platform::ImageBox>("Image7"), "No Scroll"},
    };
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->toolTip(), QLatin1String(caption));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(control<QLabel>("Label13")->text(), QLatin1String(caption));
    }
    EXPECT_TRUE(control<platform::MenuItem>("mnuMargins")->Checked());
    EXPECT_FALSE(stationery::isScrolling(form->document().settings()));
}

// The arrows are drawn when their tab first shows, each filling its box.
TEST_F(MarginsTickerTest, ArrowsAreDrawnWhenTheirTabFirstShows) {
    form->show();
    const char* const arrows[] = {"Image3", "Image4", "Image5", "Image6", "Image7"};
    for (const char* name : arrows)
        EXPECT_TRUE(control<platform::ImageBox>(name)->Picture().isNull()) << name;
    trigger("mnuMargins");
    for (const char* name : arrows) {
        auto* arrow = control<platform::ImageBox>(name);
        EXPECT_EQ(arrow->Picture().size(), arrow->size()) << name;
    }
}

TEST_F(MarginsTickerTest, UpAndDownCopyTheWidthOnlyWhenAnImageIsChosen) {
    QTest::mouseClick(control<platform::ImageBox>("Image3"),
                      Qt::LeftButton); // no image: the fields are disabled
    EXPECT_EQ(control<QLabel>("Label13")->text(), u"Up"_s);
    EXPECT_EQ(control<QLineEdit>("Text9")->text(), u"0"_s);

    form->document().edit([](stationery::StationerySettings& s) { s.ImagePath = "/p/sky.jpg"; });
    control<QLineEdit>("Text6")->setText(u"83.3333333333333"_s);
    trigger("mnuMargins"); // the tab change enables the fields
    control<QLineEdit>("Text9")->setText(u"7"_s);
    for (const char* keeps : {"Image4", "Image6", "Image7"}) {
        QTest::mouseClick(control<platform::ImageBox>(keeps), Qt::LeftButton);
        EXPECT_EQ(control<QLineEdit>("Text9")->text(), u"7"_s);
    }
    QTest::mouseClick(control<platform::ImageBox>("Image5"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("Text9")->text(), u"83.3333333333333"_s);
    control<QLineEdit>("Text9")->setText(u"1"_s);
    QTest::mouseClick(control<platform::ImageBox>("Image3"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("Text9")->text(), u"83.3333333333333"_s);
}

TEST_F(MarginsTickerTest, AnyTickerEditChecksTheTickerEntry) {
    EXPECT_FALSE(control<platform::MenuItem>("mnuTicker")->Checked());
    control<QLineEdit>("Text2")->setText(u"x"_s);
    EXPECT_TRUE(control<platform::MenuItem>("mnuTicker")->Checked());

    form = makeForm();
    control<QLineEdit>("Text3")->clear();
    EXPECT_TRUE(control<platform::MenuItem>("mnuTicker")->Checked());
    control<QLineEdit>("Text3")->setText(u"Ticker #3's Text Goes Here...Or leave me Blank"_s);
    // stays on for the rest of the run
    EXPECT_TRUE(control<platform::MenuItem>("mnuTicker")->Checked());
}

} // namespace
