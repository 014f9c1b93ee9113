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
                          [](stationery::StationerySettings& s) { s.picture = "/p/sky.jpg"; });
    trigger("marginsItem"); // the tab change enables the fields
    // The fields take whole pixels: other keys do nothing.
    for (const auto& [name, typed] :
         {std::pair{"pictureWidthEdit", u"8x3.5"_s}, {"leftMarginEdit", u"-7"_s}}) {
        control<QLineEdit>(name)->selectAll();
        QTest::keyClicks(control<QLineEdit>(name), typed);
    }
    EXPECT_EQ(control<QLineEdit>("pictureWidthEdit")->text(), u"835"_s);
    EXPECT_EQ(form->document().settings().pictureWidth, 835);
    EXPECT_EQ(form->document().settings().leftMargin, 7);
    for (const char* keeps : {"scrollLeftButton", "scrollRightButton", "noScrollButton"}) {
        QTest::mouseClick(control<QToolButton>(keeps), Qt::LeftButton);
        EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"7"_s);
    }
    QTest::mouseClick(control<QToolButton>("scrollDownButton"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), u"835"_s);
    // Cleared while typing, a field is 0 and stays empty.
    control<QLineEdit>("leftMarginEdit")->selectAll();
    QTest::keyClick(control<QLineEdit>("leftMarginEdit"), Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>("leftMarginEdit")->text(), QString());
    EXPECT_EQ(form->document().settings().leftMargin, 0);
    QTest::mouseClick(control<QToolButton>("scrollUpButton"), Qt::LeftButton);
    EXPECT_EQ(form->document().settings().leftMargin, 835);
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
