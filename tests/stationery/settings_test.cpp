#include "stationery/settings.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

// The untouched record's placeholders read as nothing chosen.
TEST(StationerySettings, UntouchedWindowMeansNothingChosen) {
    const StationerySettings untouched;
    EXPECT_EQ(effectiveAuthor(untouched), "Unknown Author");
    EXPECT_EQ(effectiveTitle(untouched), "Unknown");
    EXPECT_EQ(effectiveImagePath(untouched), "");
    EXPECT_FALSE(isScrolling(untouched));
    for (int number = 1; number <= 3; ++number)
        EXPECT_FALSE(isRealTicker(untouched, number)) << number;
}

TEST(StationerySettings, PlaceholdersMatchOnlyExactly) {
    StationerySettings s;
    s.AuthorName = "";
    s.Title = "";
    s.ImagePath = "";
    EXPECT_EQ(effectiveAuthor(s), "");
    EXPECT_EQ(effectiveTitle(s), "");
    EXPECT_EQ(effectiveImagePath(s), "");

    s.AuthorName = "your name";
    s.Title = " Title of Your Work";
    s.ImagePath = "label10";
    EXPECT_EQ(effectiveAuthor(s), "your name");
    EXPECT_EQ(effectiveTitle(s), " Title of Your Work");
    EXPECT_EQ(effectiveImagePath(s), "label10");

    s.TickerText1 = "ticker #1's Text Goes Here...Or leave me Blank";
    s.TickerText2 = "Ticker #2's Text Goes Here...Or leave me Blank ";
    s.TickerText3 = "   ";
    EXPECT_TRUE(isRealTicker(s, 1));
    EXPECT_TRUE(isRealTicker(s, 2));
    EXPECT_TRUE(isRealTicker(s, 3));

    // Each ticker is judged against its own placeholder only.
    s.TickerText1 = std::string(kTicker2Placeholder);
    s.TickerText2 = "";
    EXPECT_TRUE(isRealTicker(s, 1));
    EXPECT_FALSE(isRealTicker(s, 2));
}

TEST(ScrollDirection, Names) {
    EXPECT_EQ(directionName(ScrollDirection::Up), "up");
    EXPECT_EQ(directionName(ScrollDirection::Left), "left");
    EXPECT_EQ(directionName(ScrollDirection::Down), "down");
    EXPECT_EQ(directionName(ScrollDirection::Right), "right");
    EXPECT_EQ(directionName(ScrollDirection::NoScroll), "no scroll");
}

} // namespace
} // namespace stationery
