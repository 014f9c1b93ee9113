#include "stationery/writer.h"

namespace stationery {

namespace {

// The lines of the script that depend on the direction.
struct DirectionLines {
    std::string_view limits[4]; // max, axis, placement, reset
    std::string_view tileTail;  // ends the <img> written for each tile
    std::string_view moveLine;
};

DirectionLines linesFor(ScrollDirection direction) {
    switch (direction) {
    case ScrollDirection::Up:
        return {{" max=tall", " axis = sizeh", " placement = 0", " reset = 0"},
                " src><br>",
                "     imageholder.style.top = -placement"};
    case ScrollDirection::Left:
        return {{" max=wide", " axis = sizew", " placement = 0", " reset = 0"},
                " src>",
                "     imageholder.style.left = -placement"};
    case ScrollDirection::Down:
        return {{" max = tall", " axis = 0", " placement = -sizeh", " reset = -sizeh"},
                " src><br>",
                "     imageholder.style.top = placement"};
    case ScrollDirection::Right:
    case ScrollDirection::NoScroll:
        break;
    }
    return {{" max = wide", " axis = 0", " placement = -sizew", " reset = -sizew"},
            " src>",
            "     imageholder.style.left = placement"};
}

// The script after the direction lines is the same for every direction, bar the tile
// tail and the move line.
constexpr std::string_view kLoopStart[] = {
    "",
    "document.write \"<pre>\"",
    "for temp = 0 To max",
};

constexpr std::string_view kLoopEnd[] = {
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
};

constexpr std::string_view kScriptEnd[] = {
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

template <std::size_t N>
void writeLines(StationeryOutput& out, const std::string_view (&lines)[N]) {
    for (std::string_view line : lines)
        out.line(line);
}

} // namespace

void StationeryWriter::writeScrollingScript(StationeryOutput& out,
                                            const StationerySettings& settings) {
    out.blankLine();
    if (!isScrolling(settings))
        return;

    const DirectionLines lines = linesFor(settings.direction);
    out.line("<SCRIPT language=VBScript>");
    out.line("<!--");
    out.text("direction=\"").text(directionName(settings.direction)).line("\"");
    out.text("sizew=").html(std::to_string(settings.pictureWidth)).endLine();
    out.text("sizeh=").html(std::to_string(settings.pictureHeight)).endLine();
    out.line("nail=0");
    out.line("source=document.body.background");
    out.line("tall=((screen.height\\sizeh)+1)*2");
    out.line("wide=(screen.width\\sizew)+1");
    out.blankLine();
    writeLines(out, lines.limits);
    writeLines(out, kLoopStart);
    out.text("     document.write \"<img id=pics\"&temp&\"").text(lines.tileTail).line("\"");
    writeLines(out, kLoopEnd);
    out.line(lines.moveLine);
    writeLines(out, kScriptEnd);
}

} // namespace stationery
