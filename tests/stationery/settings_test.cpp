#include "stationery/settings.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

TEST(StationerySettings, UntouchedRecordChoosesNothing) {
    const StationerySettings untouched;
    EXPECT_EQ(effectiveAuthor(untouched), "Unknown Author");
    EXPECT_EQ(effectiveTitle(untouched), "Unknown");
    EXPECT_EQ(picturePath(untouched), "");
    EXPECT_FALSE(soundInUse(untouched));
    EXPECT_FALSE(isScrolling(untouched));
    const PartsSet set = partsSet(untouched);
    EXPECT_FALSE(set.image || set.sound || set.ticker || set.colorFont || set.margins);

    // Given but empty is given: an empty author is written as empty.
    StationerySettings s;
    s.author = "";
    s.title = "";
    EXPECT_EQ(effectiveAuthor(s), "");
    EXPECT_EQ(effectiveTitle(s), "");
    EXPECT_TRUE(partsSet(s).colorFont);
    // An empty ticker runs nothing, as one never given.
    s.tickers = {"", std::nullopt, "news"};
    EXPECT_EQ(tickerText(s, 0), "");
    EXPECT_EQ(tickerText(s, 2), "news");
    EXPECT_TRUE(partsSet(s).ticker);
}

TEST(StationerySettings, WholePixelsAcceptOnlyNumbers) {
    EXPECT_EQ(wholePixels("120"), 120);
    EXPECT_EQ(wholePixels("-5"), -5);
    EXPECT_EQ(wholePixels("99.6"), 100);
    for (const char* bad : {"", "12px", " 1", "1e9", "nan", "inf", "1;x", "x"})
        EXPECT_EQ(wholePixels(bad), std::nullopt) << bad;
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
