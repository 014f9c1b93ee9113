#include "file_test_support.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

TEST(WholeFile, UntouchedWindow) {
    const std::vector<std::string> expected = {
        "<HTML>",
        "<HEAD>",
        "</HEAD>",
        "<!-- By Unknown Author -->",
        "<!-- Title Unknown -->",
        "<!-- Created with Varek's Stationery Creation Program -->",
        "<BODY background=\"\"",
        "style=\"BACKGROUND-ATTACHMENT: scroll;",
        "BACKGROUND-POSITION: 0% 0%;",
        "Font: 8pt '';",
        "COLOR: #;",
        "Font: 8pt '';",
        "MARGIN-LEFT: 0px; MARGIN-TOP: 0px\">",
        "<DIV id=imageholder style=\"LEFT: 0px; POSITION: absolute; TOP: 0px; Z-INDEX: -1\">",
        "",
        "",
        "<BGSOUND balance=0 loop=infinite src=\"null\"volume=0>",
        "",
        "<script language=\"javascript\">",
        "",
        "<!--",
        "",
        "var i=0;",
        "",
        "var msg=\"\"",
        "",
        "var m1=\"\"",
        "",
        "var m2=\"\"",
        "",
        "var m3=\"\"",
        "",
        "function playtext()",
        "",
        "{",
        "",
        "setTimeout(\"playtext()\",250);",
        "",
        "window.status=msg.substring(i,msg.length)+msg.substring(0, i)",
        "",
        "if(i++==msg.length)i=0;",
        "",
        "}",
        "",
        "msg=m1+m2+m3;",
        "",
        "playtext();",
        "",
        "//-->",
        "",
        "</script></P></BODY></HTML>",
    };
    EXPECT_EQ(StationeryWriter::render(StationerySettings{}), test::crLfJoined(expected));
}

} // namespace
} // namespace stationery
