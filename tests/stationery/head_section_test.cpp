#include "file_test_support.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

namespace stationery {
namespace {

using test::sectionLines;

std::vector<std::string> headLines(const StationerySettings& s) {
    return sectionLines(&StationeryWriter::writeHeadAndBodyStyle, s);
}

TEST(HeadSection, WorkedExample) {
    StationerySettings s;
    s.author = "My Club";
    s.title = "Spring Notes";
    s.picture = R"(C:\Images\sky.jpg)";
    s.backgroundColor = Rgb{255, 255, 204};
    s.fontSize = 10;
    s.fontName = "Arial";
    s.bold = true;
    s.textColor = Rgb{0, 0, 128};
    s.leftMargin = 25;
    s.topMargin = 15;

    const std::vector<std::string> expected = {
        "<HTML>",
        "<HEAD>",
        "</HEAD>",
        "<!-- By My Club -->",
        "<!-- Title Spring Notes -->",
        "<!-- Created with Varek's Stationery Creation Program -->",
        R"(<BODY background="C:\Images\sky.jpg" bgColor=#FFFFCC)",
        R"(style="BACKGROUND-ATTACHMENT: scroll;)",
        "BACKGROUND-POSITION: 0% 0%;",
        "Font: 10pt 'Arial' bold;",
        "COLOR: #000080;",
        "Font: 10pt 'Arial' bold;",
        R"(MARGIN-LEFT: 25px; MARGIN-TOP: 15px">)",
        R"(<DIV id=imageholder style="LEFT: 0px; POSITION: absolute; TOP: 0px; Z-INDEX: -1">)",
    };
    EXPECT_EQ(headLines(s), expected);
}

TEST(HeadSection, UntouchedWindowLeavesTheClientsBackground) {
    const std::vector<std::string> lines = headLines(StationerySettings{});
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[3], "<!-- By Unknown Author -->");
    EXPECT_EQ(lines[4], "<!-- Title Unknown -->");
    // No colour chosen: no empty bgColor, which browsers would paint black.
    EXPECT_EQ(lines[6], R"(<BODY background="")");
    EXPECT_EQ(lines[9], "Font: 8pt '';");
    EXPECT_EQ(lines[10], "COLOR: #;");
    EXPECT_EQ(lines[11], lines[9]);
    EXPECT_EQ(lines[12], R"(MARGIN-LEFT: 0px; MARGIN-TOP: 0px">)");
}

TEST(HeadSection, TextsAreWrittenAsTyped) {
    StationerySettings s;
    s.author = "";
    s.title = "";
    s.fontName = "Times New Roman";
    s.bold = true;
    s.italic = true;
    s.leftMargin = 12;
    s.topMargin = -3;
    s.textColor = Rgb{255, 0, 0};
    const std::vector<std::string> lines = headLines(s);
    EXPECT_EQ(lines[3], "<!-- By  -->");
    EXPECT_EQ(lines[4], "<!-- Title  -->");
    EXPECT_EQ(lines[9], "Font: 8pt 'Times New Roman' bold italic;");
    EXPECT_EQ(lines[10], "COLOR: #FF0000;");
    EXPECT_EQ(lines[11], lines[9]);
    EXPECT_EQ(lines[12], R"(MARGIN-LEFT: 12px; MARGIN-TOP: -3px">)");

    s.bold = false;
    s.fontName = "O'Brien";
    s.author = "Ann \"A\" O'Neil";
    const std::vector<std::string> quoted = headLines(s);
    EXPECT_EQ(quoted[3], R"(<!-- By Ann "A" O'Neil -->)");
    EXPECT_EQ(quoted[9], "Font: 8pt 'O'Brien' italic;");
}

TEST(HeadSection, FontSizeUsesAPointInEveryLocale) {
    struct CommaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    const std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // if the machine has it

    EXPECT_EQ(StationeryWriter::formatFontSize(8.0f), "8");
    EXPECT_EQ(StationeryWriter::formatFontSize(10.5f), "10.5");
    EXPECT_EQ(StationeryWriter::formatFontSize(10.1f), "10.1");
    EXPECT_EQ(StationeryWriter::formatFontSize(12.25f), "12.25");
    EXPECT_EQ(StationeryWriter::formatFontSize(72.0f), "72");
    EXPECT_EQ(StationeryWriter::formatFontSize(1.0f / 3.0f), "0.3333333");
    StationerySettings s;
    s.fontSize = 10.5f;
    EXPECT_EQ(headLines(s)[9], "Font: 10.5pt '';");

    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);
}

TEST(HeadSection, NothingIsLostToTheCodePage) {
    StationerySettings s;
    s.author = "Zoë €5";              // both in Windows-1252
    s.title = "Ωmega 日本 😀";         // none of them are
    s.picture = "/home/zoë/Фото.jpg"; // a Cyrillic folder name
    const std::vector<std::string> lines = headLines(s);
    EXPECT_EQ(lines[3], "<!-- By Zo\xEB \x80"
                        "5 -->");
    EXPECT_EQ(lines[4], "<!-- Title &#937;mega &#26085;&#26412; &#128512; -->");
    EXPECT_EQ(lines[6], "<BODY background=\"/home/zo\xEB/&#1060;&#1086;&#1090;&#1086;.jpg\"");
    // Bytes the encoder cannot read as UTF-8 still come out as something visible.
    s.author = "a\xFF"
               "b";
    EXPECT_EQ(headLines(s)[3], "<!-- By a&#65533;b -->");
}

TEST(HeadSection, MarkupStaysIntact) {
    StationerySettings s;
    s.picture = "/pics/the \"best\" sky.jpg";
    s.author = "two\r\nlines";
    s.backgroundColor = Rgb{0, 255, 0};
    const std::vector<std::string> lines = headLines(s);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[3], "<!-- By two&#13;&#10;lines -->");
    EXPECT_EQ(lines[6], "<BODY background=\"/pics/the &quot;best&quot; sky.jpg\" bgColor=#00FF00");
}

// Text that would end its comment or attribute early, or read as a character
// reference, is escaped only where it would; everything else stays as typed.
TEST(HeadSection, TextCannotBreakOutOfItsPlace) {
    StationerySettings s;
    s.author = "x --> b --!> c -> d >";
    s.title = "-->";
    s.picture = R"(C:\Pics\Tom&copy.jpg)";
    s.fontName = R"(Bad"Font&Co)";
    const std::vector<std::string> lines = headLines(s);
    EXPECT_EQ(lines[3], "<!-- By x --&gt; b --!&gt; c -> d > -->");
    EXPECT_EQ(lines[4], "<!-- Title --&gt; -->");
    EXPECT_EQ(lines[6], R"(<BODY background="C:\Pics\Tom&amp;copy.jpg")");
    EXPECT_EQ(lines[9], "Font: 8pt 'Bad&quot;Font&amp;Co';");
}

} // namespace
} // namespace stationery
