#include "file_test_support.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

std::vector<std::string> scrollLines(const StationerySettings& s) {
    return test::sectionLines(&StationeryWriter::writeScrollingScript, s);
}

StationerySettings scrolling(ScrollDirection direction, int width, int height) {
    StationerySettings s;
    s.direction = direction;
    s.pictureWidth = width;
    s.pictureHeight = height;
    return s;
}

TEST(ScrollingScript, NoDirectionWritesOneBlankLine) {
    EXPECT_EQ(scrollLines(StationerySettings{}), std::vector<std::string>{""});
    StationerySettings s;
    s.direction = ScrollDirection::NoScroll;
    s.pictureWidth = 120;
    EXPECT_EQ(scrollLines(s), std::vector<std::string>{""});
}

TEST(ScrollingScript, WorkedExampleUp) {
    const std::vector<std::string> expected = {
        "",
        "<SCRIPT language=VBScript>",
        "<!--",
        "direction=\"up\"",
        "sizew=120",
        "sizeh=90",
        "nail=0",
        "source=document.body.background",
        "tall=((screen.height\\sizeh)+1)*2",
        "wide=(screen.width\\sizew)+1",
        "",
        " max=tall",
        " axis = sizeh",
        " placement = 0",
        " reset = 0",
        "",
        "document.write \"<pre>\"",
        "for temp = 0 To max",
        "     document.write \"<img id=pics\"&temp&\" src><br>\"",
        "document.all(\"pics\"& temp).src=source",
        "next",
        "document.write \"</pre>\"",
        "",
        "document.body.background=\" \"",
        "window.status=\"Click the image to Stop or Restart the scroll\"",
        "",
        "sub scroll()",
        "     if nail = 1 then",
        "         exit sub",
        "     end if",
        "     if placement < axis then",
        "         setTimeout\"move\", 1",
        "     else",
        "         placement = reset",
        "         setTimeout \"move\", 1",
        "     end if",
        "end sub ",
        "",
        "sub move()",
        "     imageholder.style.top = -placement",
        "placement=placement+1",
        "setTimeout \"scroll\", 1 ",
        "end sub ",
        "",
        "sub imageholder_onclick()",
        "    if nail=0 then",
        "         nail = 1",
        "     else",
        "         nail = 0",
        "     end if",
        "     scroll()",
        "end sub",
        "",
        "scroll()",
        "-->",
        "</SCRIPT>",
    };
    EXPECT_EQ(scrollLines(scrolling(ScrollDirection::Up, 120, 90)), expected);
}

TEST(ScrollingScript, EachDirectionDiffersOnlyInItsOwnLines) {
    const std::vector<std::string> up = scrollLines(scrolling(ScrollDirection::Up, 120, 90));
    struct Expected {
        ScrollDirection direction;
        std::vector<std::string> limits;
        std::string tile;
        std::string move;
    };
    const Expected table[] = {
        {ScrollDirection::Left,
         {" max=wide", " axis = sizew", " placement = 0", " reset = 0"},
         "     document.write \"<img id=pics\"&temp&\" src>\"",
         "     imageholder.style.left = -placement"},
        {ScrollDirection::Down,
         {" max = tall", " axis = 0", " placement = -sizeh", " reset = -sizeh"},
         "     document.write \"<img id=pics\"&temp&\" src><br>\"",
         "     imageholder.style.top = placement"},
        {ScrollDirection::Right,
         {" max = wide", " axis = 0", " placement = -sizew", " reset = -sizew"},
         "     document.write \"<img id=pics\"&temp&\" src>\"",
         "     imageholder.style.left = placement"},
    };
    for (const Expected& e : table) {
        const std::vector<std::string> lines = scrollLines(scrolling(e.direction, 120, 90));
        ASSERT_EQ(lines.size(), 56u);
        std::vector<std::string> expected = up;
        expected[3] = "direction=\"" + std::string(directionName(e.direction)) + "\"";
        std::copy(e.limits.begin(), e.limits.end(), expected.begin() + 11);
        expected[18] = e.tile;
        expected[39] = e.move;
        EXPECT_EQ(lines, expected) << directionName(e.direction);
    }
}

TEST(ScrollingScript, SizesAreWrittenInPixels) {
    const std::vector<std::string> noImage = scrollLines(scrolling(ScrollDirection::Down, 0, 0));
    EXPECT_EQ(noImage[4], "sizew=0");
    EXPECT_EQ(noImage[5], "sizeh=0");
    const std::vector<std::string> large = scrollLines(scrolling(ScrollDirection::Left, 6400, 48));
    EXPECT_EQ(large[4], "sizew=6400");
    EXPECT_EQ(large[5], "sizeh=48");
}

} // namespace
} // namespace stationery
