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
        {control<platform::ImageBox>("scrollUpButton"), "Up"},
        {control<platform::ImageBox>("scrollLeftButton"), "Left"},
        {control<platform::ImageBox>("scrollDownButton"), "Down"},
        {control<platform::ImageBox>("scrollRightButton"), "Right"},
        {control<platform::ImageBox>("noScrollButton"), "No Scroll"},
    };
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->toolTip(), QLatin1String(caption));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), QLatin1String(caption));
    }
    EXPECT_TRUE(control<platform::MenuItem>("marginsItem")->isTicked());
    EXPECT_FALSE(stationery::isScrolling(form->document().settings()));
}

// The arrows are drawn when their tab first shows, each filling its box.
TEST_F(MarginsTickerTest, ArrowsAreDrawnWhenTheirTabFirstShows) {
    form->show();
    const char* const arrows[] = {"scrollUpButton", "scrollLeftButton", "scrollDownButton",
                                  "scrollRightButton", "noScrollButton"};
    for (const char* name : arrows)
        EXPECT_TRUE(control<platform::ImageBox>(name)->picture().isNull()) << name;
    trigger("marginsItem");
    for (const char* name : arrows) {
        auto* arrow = control<platform::ImageBox>(name);
        EXPECT_EQ(arrow->picture().size(), arrow->size()) << name;
    }
}

TEST_F(MarginsTickerTest, UpAndDownCopyTheWidthOnlyWhenAnImageIsChosen) {
    QTest::mouseClick(control<platform::ImageBox>("scrollUpButton"),
                      Qt::LeftButton); // no image: the fields are disabled
    EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), u"Up"_s);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"0"_s);

    form->document().edit([](stationery::StationerySettings& s) { s.ImagePath = "/p/sky.jpg"; });
    control<QLineEdit>("pictureWidthEdit")->setText(u"83.3333333333333"_s);
    trigger("marginsItem"); // the tab change enables the fields
    control<QLineEdit>("leftMarginEdit")->setText(u"7"_s);
    for (const char* keeps : {"scrollLeftButton", "scrollRightButton", "noScrollButton"}) {
        QTest::mouseClick(control<platform::ImageBox>(keeps), Qt::LeftButton);
        EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"7"_s);
    }
    QTest::mouseClick(control<platform::ImageBox>("scrollDownButton"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"83.3333333333333"_s);
    control<QLineEdit>("leftMarginEdit")->setText(u"1"_s);
    QTest::mouseClick(control<platform::ImageBox>("scrollUpButton"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"83.3333333333333"_s);
}

TEST_F(MarginsTickerTest, AnyTickerEditChecksTheTickerEntry) {
    EXPECT_FALSE(control<platform::MenuItem>("tickerItem")->isTicked());
    control<QLineEdit>("ticker2Edit")->setText(u"x"_s);
    EXPECT_TRUE(control<platform::MenuItem>("tickerItem")->isTicked());

    form = makeForm();
    control<QLineEdit>("ticker3Edit")->clear();
    EXPECT_TRUE(control<platform::MenuItem>("tickerItem")->isTicked());
    control<QLineEdit>("ticker3Edit")->setText(u"Ticker #3's Text Goes Here...Or leave me Blank"_s);
    // stays on for the rest of the run
    EXPECT_TRUE(control<platform::MenuItem>("tickerItem")->isTicked());
}

} // namespace
