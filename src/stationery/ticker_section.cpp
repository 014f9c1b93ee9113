#include "stationery/writer.h"

namespace stationery {

namespace {

// Five spaces part consecutive texts, and the end of the rotation from its start.
constexpr std::string_view kTickerSeparator = "     ";

void writeTickerVariable(StationeryOutput& out, const StationerySettings& settings, int number) {
    out.text("var m").text(std::string_view("123").substr(std::size_t(number - 1), 1)).text("=\"");
    if (const std::string_view text = tickerText(settings, std::size_t(number - 1)); !text.empty())
        out.jsString(text).text(kTickerSeparator);
    out.line("\"");
}

} // namespace

void StationeryWriter::writeTickerScript(StationeryOutput& out,
                                         const StationerySettings& settings) {
    out.line("<script language=\"javascript\">");
    out.blankLine();
    out.line("<!--");
    out.blankLine();
    out.line("var i=0;");
    out.blankLine();
    out.line("var msg=\"\"");
    out.blankLine();
    for (int number = 1; number <= 3; ++number) {
        writeTickerVariable(out, settings, number);
        out.blankLine();
    }
    out.line("function playtext()");
    out.blankLine();
    out.line("{");
    out.blankLine();
    out.line("setTimeout(\"playtext()\",250);");
    out.blankLine();
    out.line("window.status=msg.substring(i,msg.length)+msg.substring(0, i)");
    out.blankLine();
    out.line("if(i++==msg.length)i=0;");
    out.blankLine();
    out.line("}");
    out.blankLine();
    out.line("msg=m1+m2+m3;");
    out.blankLine();
    out.line("playtext();");
    out.blankLine();
    out.line("//-->");
    out.blankLine();
    out.line("</script></P></BODY></HTML>");
}

} // namespace stationery
