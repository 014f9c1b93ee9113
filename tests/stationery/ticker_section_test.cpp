#include "file_test_support.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

std::vector<std::string> tickerLines(const StationerySettings& s) {
    return test::sectionLines(&StationeryWriter::writeTickerScript, s);
}

StationerySettings tickers(std::string one, std::string two, std::string three) {
    StationerySettings s;
    s.tickers[0] = std::move(one);
    s.tickers[1] = std::move(two);
    s.tickers[2] = std::move(three);
    return s;
}

// Lines 9, 11 and 13 of the block: the three ticker variables.
std::vector<std::string> tickerVariables(const StationerySettings& s) {
    const std::vector<std::string> lines = tickerLines(s);
    return {lines.at(8), lines.at(10), lines.at(12)};
}

// The script itself is checked line by line in the untouched whole file; typed texts
// change only their own variables, each followed by five spaces.
TEST(TickerScript, TypedTextsChangeOnlyTheirVariables) {
    const StationerySettings typed = tickers("Happy holidays", "From all of us", "See you soon");
    const std::vector<std::string> lines = tickerLines(typed);
    const std::vector<std::string> untouched = tickerLines(StationerySettings{});
    ASSERT_EQ(lines.size(), untouched.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (i != 8 && i != 10 && i != 12) {
            EXPECT_EQ(lines[i], untouched[i]) << "line " << i + 1;
        }
    EXPECT_EQ(tickerVariables(typed), (std::vector<std::string>{"var m1=\"Happy holidays     \"",
                                                                "var m2=\"From all of us     \"",
                                                                "var m3=\"See you soon     \""}));
}

TEST(TickerScript, EmptyAndUntouchedTickersContributeNothing) {
    using V = std::vector<std::string>;
    EXPECT_EQ(tickerVariables(StationerySettings{}),
              (V{"var m1=\"\"", "var m2=\"\"", "var m3=\"\""}));
    EXPECT_EQ(tickerLines(StationerySettings{}).size(), 33u);
    StationerySettings s;
    s.tickers = {"", "Two", std::nullopt};
    EXPECT_EQ(tickerVariables(s), (V{"var m1=\"\"", "var m2=\"Two     \"", "var m3=\"\""}));
    EXPECT_EQ(tickerVariables(tickers("  ", "", ""))[0], "var m1=\"       \"");
}

TEST(TickerScript, TextsAreJavaScriptStringsThatReadBackAsTyped) {
    const auto m1 = [](std::string text) {
        return tickerVariables(tickers(text, "", ""))[0];
    };
    EXPECT_EQ(m1("Say \"hi\""), R"(var m1="Say \"hi\"     ")");
    EXPECT_EQ(m1(R"(C:\new)"), R"(var m1="C:\\new     ")");
    EXPECT_EQ(m1("a</script>b"), R"(var m1="a<\/script>b     ")");
    EXPECT_EQ(m1("1 < 2 > 0"), R"(var m1="1 < 2 > 0     ")");
    EXPECT_EQ(m1("one\r\ntwo\nthree"), R"(var m1="one\r\ntwo\nthree     ")");
    EXPECT_EQ(m1("it's"), R"(var m1="it's     ")");
    // Windows-1252 characters go in as bytes; others as UTF-16 escapes.
    EXPECT_EQ(m1("caf\xC3\xA9 \xE2\x82\xAC"), "var m1=\"caf\xE9 \x80     \"");
    EXPECT_EQ(m1("\xCE\xA9 \xE2\x80\xA8"), R"(var m1="\u03A9 \u2028     ")");
    EXPECT_EQ(m1("\xF0\x9F\x98\x80"), R"(var m1="\uD83D\uDE00     ")");
    EXPECT_EQ(m1("bad\xC3"), R"(var m1="bad\uFFFD     ")");
}

} // namespace
} // namespace stationery
