#include "editor_fixture.h"

#include "platform/image_box.h"
#include "platform/menu_item.h"
#include <QLabel>
#include <QToolButton>

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using MarginsTickerTest = EditorTest;

TEST_F(MarginsTickerTest, DirectionButtonsSetTheCaptionAndTheMark) {
    const std::pair<QToolButton*, const char*> buttons[] = {
        {control<QToolButton>("scrollUpButton"), "Up"},
        {control<QToolButton>("scrollLeftButton"), "Left"},
        {control<QToolButton>("scrollDownButton"), "Down"},
        {control<QToolButton>("scrollRightButton"), "Right"},
        {control<QToolButton>("noScrollButton"), "No Scroll"},
    };
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->toolTip(), QLatin1String(caption));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), QLatin1String(caption));
    }
    EXPECT_TRUE(control<platform::MenuItem>("marginsItem")->isTicked());
    EXPECT_FALSE(stationery::isScrolling(form->document().settings()));
}

// The arrows are drawn when their tab first shows, and are push buttons a keyboard
// reaches with Tab and presses with Space, which screen readers announce by name.
TEST_F(MarginsTickerTest, ArrowsAreButtonsDrawnWhenTheirTabFirstShows) {
    form->show();
    const std::pair<const char*, const char*> arrows[] = {
        {"scrollUpButton", "Up"},        {"scrollLeftButton", "Left"},
        {"scrollDownButton", "Down"},    {"scrollRightButton", "Right"},
        {"noScrollButton", "No Scroll"},
    };
    for (const auto& [name, caption] : arrows)
        EXPECT_TRUE(control<QToolButton>(name)->icon().isNull()) << name;
    trigger("marginsItem");
    for (const auto& [name, caption] : arrows) {
        auto* arrow = control<QToolButton>(name);
        EXPECT_FALSE(arrow->icon().isNull()) << name;
        EXPECT_TRUE(arrow->focusPolicy() & Qt::TabFocus) << name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(arrow)->role(), QAccessible::Button)
            << name;
        arrow->setFocus();
        QTest::keyClick(arrow, Qt::Key_Space);
        EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), QLatin1String(caption));
    }
}

TEST_F(MarginsTickerTest, UpAndDownCopyTheWidthOnlyWhenAnImageIsChosen) {
    QTest::mouseClick(control<QToolButton>("scrollUpButton"),
                      Qt::LeftButton); // no image: the fields are disabled
    EXPECT_EQ(control<QLabel>("scrollDirectionLabel")->text(), u"Up"_s);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"0"_s);

    form->document().edit(StationeryDocument::Edit::Picture,
                          [](stationery::StationerySettings& s) { s.ImagePath = "/p/sky.jpg"; });
    control<QLineEdit>("pictureWidthEdit")->setText(u"83.3333333333333"_s);
    trigger("marginsItem"); // the tab change enables the fields
    control<QLineEdit>("leftMarginEdit")->setText(u"7"_s);
    for (const char* keeps : {"scrollLeftButton", "scrollRightButton", "noScrollButton"}) {
        QTest::mouseClick(control<QToolButton>(keeps), Qt::LeftButton);
        EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"7"_s);
    }
    QTest::mouseClick(control<QToolButton>("scrollDownButton"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"83.3333333333333"_s);
    control<QLineEdit>("leftMarginEdit")->setText(u"1"_s);
    QTest::mouseClick(control<QToolButton>("scrollUpButton"), Qt::LeftButton);
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
