#include "file_test_support.h"
#include "stationery/todays_clients_writer.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

using test::crLfJoined;

constexpr std::string_view kNote =
    "<!-- Made for the mail clients of today: no script, background sound or status-bar "
    "ticker, which received mail never runs or plays. -->";

StationerySettings chosenLook() {
    StationerySettings s;
    s.author = "Zoë";
    s.title = "Ωmega <1> & \"2\"";
    s.picture = "sky (2).jpg";
    s.backgroundColor = Rgb{255, 255, 204};
    s.textColor = Rgb{0, 0, 128};
    s.fontName = "Arial";
    s.fontSize = 10;
    s.bold = true;
    s.italic = true;
    s.leftMargin = 25;
    s.topMargin = 15;
    s.pictureWidth = 120;
    s.pictureHeight = 80;
    return s;
}

constexpr std::string_view kColorSchemes[] = {
    "<meta name=\"color-scheme\" content=\"light\">",
    "<meta name=\"supported-color-schemes\" content=\"light\">",
};
constexpr std::string_view kLightOnly =
    ":root { color-scheme: light; supported-color-schemes: light; }";

TEST(TodaysClientsWriter, UntouchedWindow) {
    EXPECT_EQ(
        TodaysClientsWriter::render(StationerySettings{}),
        crLfJoined({
            "<!DOCTYPE html>",
            "<html>",
            "<head>",
            "<meta charset=\"utf-8\">",
            std::string(kColorSchemes[0]),
            std::string(kColorSchemes[1]),
            "<meta name=\"stationery-editor\" content=\"v=1&amp;font=&amp;size=8&amp;bold=0&amp;"
            "italic=0&amp;left=0&amp;top=0&amp;dir=none&amp;w=0&amp;h=0&amp;title=Title of Your "
            "Work&amp;author=Your Name\">",
            std::string(kNote),
            "<style>",
            std::string(kLightOnly),
            "</style>",
            "</head>",
            R"(<body style="font-size: 8pt; line-height: 16px; margin: 0;">)",
            R"(<div class="stationery-area" style="font-size: 8pt; line-height: 16px; padding: 0px 0 0 0px; min-height: 100vh; min-height: max(100vh, 480px); box-sizing: border-box;">)",
            "<div><br></div>",
            "</div>",
            "</body>",
            "</html>",
        }));
}

// The look stands on the body and again on the wrapper around the text, which holds the
// line where typing starts, in the stationery's font size; both pictures start at the
// top and the margins are the wrapper's padding; the picture's address comes last; the
// animation is declared only for readers who accept motion.
TEST(TodaysClientsWriter, EveryChoiceScrollingUp) {
    StationerySettings s = chosenLook();
    s.direction = ScrollDirection::Up;
    const std::string background = "background-color: #FFFFCC; background-repeat: repeat; "
                                   "background-image: url('sky (2).jpg');";
    const std::string text = "color: #000080; font-family: 'Arial', sans-serif; font-size: "
                             "10pt; line-height: 20px; font-weight: bold; font-style: italic; ";
    EXPECT_EQ(
        TodaysClientsWriter::render(s),
        crLfJoined({
            "<!DOCTYPE html>",
            "<html>",
            "<head>",
            "<meta charset=\"utf-8\">",
            std::string(kColorSchemes[0]),
            std::string(kColorSchemes[1]),
            "<title>Ωmega &lt;1&gt; &amp; \"2\"</title>",
            "<meta name=\"author\" content=\"Zoë\">",
            "<meta name=\"stationery-editor\" content=\"v=1&amp;text=000080&amp;bg=FFFFCC&amp;"
            "font=Arial&amp;size=10&amp;bold=1&amp;italic=1&amp;left=25&amp;top=15&amp;dir=up&amp;"
            "w=120&amp;h=80&amp;title=%CE%A9mega %3C1%3E %26 %222%22&amp;author=Zo%C3%AB&amp;"
            "picture=sky %282%29.jpg\">",
            std::string(kNote),
            "<style>",
            std::string(kLightOnly),
            "@media (prefers-reduced-motion: no-preference) {",
            "@keyframes stationery-scroll { from { background-position: 0 0; } to { "
            "background-position: 0 -80px; } }",
            "body, .stationery-area { animation: stationery-scroll 1.333s linear infinite; }",
            "}",
            "</style>",
            "</head>",
            R"(<body bgcolor="#FFFFCC" background="sky (2).jpg" text="#000080" style=")" +
                background + " " + text + R"(margin: 0;">)",
            R"(<div class="stationery-area" style=")" + text +
                "padding: 15px 0 0 25px; min-height: 100vh; min-height: max(100vh, 480px); "
                "box-sizing: border-box; " +
                background + R"(">)",
            R"(<div><font face="Arial, sans-serif"><b><i><br></i></b></font></div>)",
            "</div>",
            "</body>",
            "</html>",
        }));
    // A message template names the picture in the body's attribute alone, the wrapper its
    // own copy of it from a style sheet or none, and leaves the background colour off the wrapper,
    // where it would hide the body's picture in a client's editor.
    using Named = TodaysClientsWriter::PictureNamed;
    const std::string message =
        TodaysClientsWriter::render(s, Named::InAttributeOnly, {}, "data:image/png;base64,AA==");
    // In the head, where no client reads its letters as typed text.
    EXPECT_NE(message.find("<style>.stationery-area { background-image: "
                           "url('data:image/png;base64,AA=='); }</style>\r\n</head>"),
              std::string::npos);
    EXPECT_NE(message.find(R"(box-sizing: border-box; background-repeat: repeat;">)"),
              std::string::npos);
    EXPECT_EQ(message.find("url('sky (2).jpg')"), std::string::npos);
    EXPECT_EQ(message.find("background-color: #FFFFCC; background-repeat"), std::string::npos);
    EXPECT_EQ(TodaysClientsWriter::render(s, Named::InAttributeOnly).find("url("),
              std::string::npos);
}

// A reader without the font gets the generic family nearest to it.
TEST(TodaysClientsWriter, EveryFontFallsBackOnAGenericFamily) {
    const std::pair<const char*, const char*> cases[] = {
        {"Courier New", "monospace"},
        {"DejaVu Sans Mono", "monospace"},
        {"Lucida Console", "monospace"},
        {"Comic Sans MS", "cursive"},
        {"Brush Script MT", "cursive"},
        {"Times New Roman", "serif"},
        {"Georgia", "serif"},
        {"Noto Serif", "serif"},
        {"Book Antiqua", "serif"},
        {"Century Gothic", "sans-serif"},
        {"Liberation Sans", "sans-serif"},
        {"Arial", "sans-serif"},
        {"Tahoma", "sans-serif"},
    };
    for (const auto& [font, family] : cases) {
        StationerySettings s;
        s.fontName = font;
        const std::string page = TodaysClientsWriter::render(s);
        EXPECT_NE(page.find("font-family: '" + std::string(font) + "', " + family + ";"),
                  std::string::npos)
            << font;
        EXPECT_NE(page.find("face=\"" + std::string(font) + ", " + family + "\""),
                  std::string::npos)
            << font;
    }
}

// One picture's length per cycle at 60 pixels a second, the way the picture moves.
TEST(TodaysClientsWriter, EachDirectionMovesOnePictureLengthPerCycle) {
    const struct {
        ScrollDirection direction;
        const char* to;
        const char* seconds;
    } cases[] = {
        {ScrollDirection::Up, "0 -80px", "1.333s"},
        {ScrollDirection::Down, "0 80px", "1.333s"},
        {ScrollDirection::Left, "-120px 0", "2s"},
        {ScrollDirection::Right, "120px 0", "2s"},
    };
    for (const auto& c : cases) {
        StationerySettings s = chosenLook();
        s.direction = c.direction;
        const std::string page = TodaysClientsWriter::render(s);
        EXPECT_NE(page.find(std::string("to { background-position: ") + c.to + "; }"),
                  std::string::npos)
            << c.to;
        EXPECT_NE(page.find(std::string("stationery-scroll ") + c.seconds + " linear infinite"),
                  std::string::npos)
            << c.seconds;
    }
    // No direction, no picture, or no usable size: nothing moves.
    StationerySettings still = chosenLook();
    EXPECT_EQ(TodaysClientsWriter::render(still).find("animation"), std::string::npos);
    still.direction = ScrollDirection::Left;
    still.pictureWidth = 0;
    EXPECT_EQ(TodaysClientsWriter::render(still).find("animation"), std::string::npos);
    still.pictureWidth = 120;
    still.picture = std::nullopt;
    EXPECT_EQ(TodaysClientsWriter::render(still).find("animation"), std::string::npos);
}

TEST(TodaysClientsWriter, NothingTypedCanBreakOutOfItsPlace) {
    StationerySettings s;
    s.title = "</title><script>alert(1)</script>";
    s.author = "\"><script>";
    s.fontName = "X'; } body { color: red; } \"</style><b a=\"";
    s.picture = "a') ; } \"><img src=x onerror=alert(1)>\\.jpg";
    s.leftMargin = 1;
    s.topMargin = 2;
    s.bold = true;
    const std::string page = TodaysClientsWriter::render(s);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_EQ(page.find("</style>"), page.rfind("</style>")); // only the page's own
    EXPECT_NE(page.find("<title>&lt;/title&gt;&lt;script&gt;alert(1)&lt;/script&gt;</title>"),
              std::string::npos);
    EXPECT_NE(page.find("content=\"&quot;&gt;&lt;script&gt;\""), std::string::npos);
    // Inside the style attribute: a CSS string whose quotes and backslashes are
    // escaped, and HTML escaping over that.
    EXPECT_NE(page.find("font-family: 'X\\'; } body { color: red; } &quot;&lt;/style&gt;&lt;b "
                        "a=&quot;', sans-serif;"),
              std::string::npos);
    EXPECT_NE(page.find("url('a\\') ; } &quot;&gt;&lt;img src=x onerror=alert(1)&gt;\\\\.jpg')"),
              std::string::npos);
    // What is no colour is left out rather than written.
    EXPECT_EQ(page.find("bgcolor"), std::string::npos);
    EXPECT_EQ(page.find("text=\""), std::string::npos);
    EXPECT_NE(page.find("padding: 2px 0 0 1px;"), std::string::npos);
    // No control character stands raw inside a CSS string (a form feed once ended
    // one for Chromium): each is a hex escape.
    for (int c = 1; c < 0x20; ++c) {
        const std::string css = cssString(std::string("a") + char(c) + "b");
        EXPECT_EQ(css.find(char(c)), std::string::npos) << c;
    }
    EXPECT_EQ(cssString("x\fy"), "'x\\C y'");
    // Malformed UTF-8 still comes out as valid UTF-8.
    s.title = "a\xFF";
    EXPECT_NE(TodaysClientsWriter::render(s).find("<title>a\xEF\xBF\xBD</title>"),
              std::string::npos);
}

} // namespace
} // namespace stationery
