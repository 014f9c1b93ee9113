#include "stationery/writer.h"

#include <array>
#include <charconv>

namespace stationery {

std::string StationeryWriter::formatFontSize(float size) {
    // Up to seven significant digits, the most a single-precision value holds, and
    // "." whatever the user's regional settings say.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), size,
                                      std::chars_format::general, 7);
    return std::string(buffer.data(), result.ptr);
}

namespace {

// "Font: 10pt 'Arial' bold;": the body style carries this line twice.
void writeFontDeclaration(StationeryOutput& out, const StationerySettings& settings,
                          std::string_view size) {
    out.text("Font: ").text(size).text("pt '").attribute(settings.fontName).text("'");
    if (settings.bold)
        out.text(" bold");
    if (settings.italic)
        out.text(" italic");
    out.line(";");
}

} // namespace

void StationeryWriter::writeHeadAndBodyStyle(StationeryOutput& out,
                                             const StationerySettings& settings) {
    out.line("<HTML>");
    out.line("<HEAD>");
    out.line("</HEAD>");
    out.text("<!-- By ").comment(effectiveAuthor(settings)).line(" -->");
    out.text("<!-- Title ").comment(effectiveTitle(settings)).line(" -->");
    out.line("<!-- Created with Varek's Stationery Creation Program -->");

    out.text("<BODY background=\"").attribute(picturePath(settings)).text("\"");
    // An empty bgColor reads as black in browsers; without it the client keeps its own
    // background, which is what "no colour chosen" means.
    if (settings.backgroundColor)
        out.text(" bgColor=#").html(hexColor(*settings.backgroundColor));
    out.endLine();

    out.line("style=\"BACKGROUND-ATTACHMENT: scroll;");
    out.line("BACKGROUND-POSITION: 0% 0%;");
    const std::string size = formatFontSize(settings.fontSize);
    writeFontDeclaration(out, settings, size);
    out.text("COLOR: #")
        .attribute(settings.textColor ? hexColor(*settings.textColor) : std::string())
        .line(";");
    writeFontDeclaration(out, settings, size);
    out.text("MARGIN-LEFT: ")
        .attribute(std::to_string(settings.leftMargin))
        .text("px; MARGIN-TOP: ");
    out.attribute(std::to_string(settings.topMargin)).line("px\">");
    out.line("<DIV id=imageholder style=\"LEFT: 0px; POSITION: absolute; TOP: 0px; Z-INDEX: -1\">");
}

} // namespace stationery
