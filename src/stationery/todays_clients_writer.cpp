#include "stationery/todays_clients_writer.h"
#include "stationery/text_bytes.h"

#include "stationery/codepage.h"
#include "stationery/hex_color.h"
#include "stationery/text_decoding.h"
#include "stationery/todays_form.h"
#include "stationery/writer.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>

namespace stationery {

namespace {

// Valid UTF-8, whatever came in.
std::string wellFormed(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        appendUtf8(out, nextCodePoint(utf8, pos));
    return out;
}

std::string escapeHtml(std::string_view utf8, bool attribute) {
    std::string out;
    for (const char c : wellFormed(utf8)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '\n':
            out += "&#10;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string seconds(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, 3)
                         .ptr;
    std::string text(buffer.data(), end);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// A language tag of letters, digits and hyphens, as BCP 47 writes them.
bool languageTagIsPlain(std::string_view tag) {
    if (tag.empty() || tag.size() > 35)
        return false;
    for (const char c : tag)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
            return false;
    return true;
}

// The class of the wrapper that carries the look where a client drops the body's.
constexpr std::string_view kDesignedAreaClass = "stationery-area";

// The animation, when the picture scrolls and its size along the way it moves is
// known: one picture's length per cycle, so the tiles meet seamlessly.
std::string scrollingStyle(const StationerySettings& s) {
    if (!isScrolling(s) || picturePath(s).empty())
        return {};
    const bool vertical =
        s.direction == ScrollDirection::Up || s.direction == ScrollDirection::Down;
    const int length = vertical ? s.pictureHeight : s.pictureWidth;
    if (length <= 0)
        return {};
    const std::string distance = std::to_string(length) + "px";
    std::string from = "0 0";
    std::string to;
    switch (s.direction) {
    case ScrollDirection::Up:
        to = "0 -" + distance;
        break;
    case ScrollDirection::Down:
        to = "0 " + distance;
        break;
    case ScrollDirection::Left:
        to = "-" + distance + " 0";
        break;
    default:
        to = distance + " 0";
        break;
    }
    const std::string duration = seconds(double(length) / TodaysClientsWriter::kPixelsPerSecond);
    // Declared only for readers who have not asked for less motion: a client that drops
    // @media rules then shows a still picture, never one that moves for ever.
    return "@media (prefers-reduced-motion: no-preference) {\r\n"
           "@keyframes stationery-scroll { from { background-position: " +
           from + "; } to { background-position: " + to +
           "; } }\r\n"
           "body, ." +
           std::string(kDesignedAreaClass) + " { animation: stationery-scroll " + duration +
           "s linear infinite; }\r\n"
           "}\r\n";
}

// The family a browser falls back on when the reader lacks the font, judged from its
// name: "Courier New" is monospace, "Comic Sans MS" cursive, "Georgia" serif.
std::string_view genericFamilyOf(std::string_view font) {
    std::string name;
    for (const char c : font)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto has = [&name](std::initializer_list<std::string_view> words) {
        for (const std::string_view word : words)
            if (name.find(word) != std::string::npos)
                return true;
        return false;
    };
    if (has({"mono", "courier", "consol", "terminal", "fixed", "typewriter", "code"}))
        return "monospace";
    if (has({"comic", "script", "brush", "hand", "chancery", "cursive", "marker", "casual"}))
        return "cursive";
    if (has({"sans", "gothic", "grotesk"}))
        return "sans-serif";
    if (has({"serif", "times", "roman", "georgia", "garamond", "palatino", "book", "cambria",
             "baskerville", "bodoni", "didot", "caslon", "century", "constantia", "minion",
             "schoolbook", "perpetua"}))
        return "serif";
    return "sans-serif";
}

} // namespace

std::string fontFamilyList(std::string_view font) {
    return cssString(font) + ", " + std::string(genericFamilyOf(font));
}

std::string fontFaceList(std::string_view font) {
    return std::string(font) + ", " + std::string(genericFamilyOf(font));
}

std::string escapeHtmlText(std::string_view utf8) {
    return escapeHtml(utf8, false);
}

std::string escapeHtmlAttribute(std::string_view utf8) {
    return escapeHtml(utf8, true);
}

std::string cssString(std::string_view utf8) {
    std::string out = "'";
    for (const char c : wellFormed(utf8)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\'' || c == '\\') {
            out += '\\', out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            // A control character (a form feed among them) would end the string for
            // some engines: written as a hex escape, which CSS ends at the space.
            out += '\\';
            if (byte >= 0x10)
                out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
            out += ' ';
        } else {
            out += c;
        }
    }
    return out + "'";
}

long TodaysClientsWriter::lineHeightPixels(float points) {
    return std::lround(double(points) * 4.0 / 3.0 * 1.5);
}

std::string TodaysClientsWriter::render(const StationerySettings& s, PictureNamed named,
                                        const std::vector<std::string>& sampleText,
                                        std::string_view areaPicture) {
    std::string page;
    page.reserve(3072);
    const auto line = [&page](std::string_view text) {
        page += text;
        page += "\r\n";
    };
    line("<!DOCTYPE html>");
    line(languageTagIsPlain(s.language) ? "<html lang=\"" + s.language + "\">" : "<html>");
    line("<head>");
    line("<meta charset=\"utf-8\">");
    // The designed colours are the look: clients that honour these keep them in dark mode.
    line("<meta name=\"color-scheme\" content=\"light\">");
    line("<meta name=\"supported-color-schemes\" content=\"light\">");
    if (s.title)
        line("<title>" + escapeHtmlText(*s.title) + "</title>");
    if (s.author)
        line("<meta name=\"author\" content=\"" + escapeHtmlAttribute(*s.author) + "\">");
    // What Open reads back; no recipient sees it.
    line("<meta name=\"" + std::string(kFormRecordName) + "\" content=\"" +
         escapeHtmlAttribute(formRecord(s)) + "\">");
    line("<!-- Made for the mail clients of today: no script, background sound or status-bar "
         "ticker, which received mail never runs or plays. -->");
    line("<style>");
    line(":root { color-scheme: light; supported-color-schemes: light; }");
    page += scrollingStyle(s);
    line("</style>");
    // A template's wrapper takes its picture from a style sheet of its own: a webmail
    // keeps such a sheet through its editor and its send, where it rewrites an address
    // inside a style attribute with quotes that end the attribute. The sheet is in the
    // head, where no client reads its letters as typed text (in the body, Thunderbird's
    // attachment reminder found the word "CV" in them).
    const std::string_view image = picturePath(s);
    const bool pictureInCss = named == PictureNamed::InCssAndAttribute;
    if (!pictureInCss && !image.empty() && !areaPicture.empty())
        line("<style>." + std::string(kDesignedAreaClass) + " { background-image: url(" +
             cssString(areaPicture) + "); }</style>");
    line("</head>");

    // The look, once as CSS and once as the attributes older engines read. The wrapper
    // around the text carries it again, but for the background colour in a message
    // template: there a client's editor leaves the picture's cid: name in CSS
    // unresolved, and the colour would hide the body's picture behind the typed text.
    std::string css;
    std::string attributes;
    std::string areaBackground;
    if (s.backgroundColor) {
        const std::string hex = hexColor(*s.backgroundColor);
        css += "background-color: #" + hex + "; ";
        if (pictureInCss)
            areaBackground += "background-color: #" + hex + "; ";
        attributes += " bgcolor=\"#" + hex + "\"";
    }
    if (!image.empty()) {
        // The picture's address last: an editor that rewrites it with quotes of the
        // attribute's kind ends the attribute there, and the rest would be lost.
        const std::string picture =
            "background-repeat: repeat; background-image: url(" + cssString(image) + "); ";
        if (pictureInCss)
            css += picture, areaBackground += picture;
        else if (!areaPicture.empty())
            areaBackground += "background-repeat: repeat; ";
        attributes += " background=\"" + escapeHtmlAttribute(image) + "\"";
    }
    std::string text;
    if (s.textColor) {
        const std::string hex = hexColor(*s.textColor);
        text += "color: #" + hex + "; ";
        attributes += " text=\"#" + hex + "\"";
    }
    if (!s.fontName.empty())
        text += "font-family: " + fontFamilyList(s.fontName) + "; ";
    text += "font-size: " + StationeryWriter::formatFontSize(s.fontSize) + "pt; ";
    text += "line-height: " + std::to_string(lineHeightPixels(s.fontSize)) + "px; ";
    if (s.bold)
        text += "font-weight: bold; ";
    if (s.italic)
        text += "font-style: italic; ";
    css += text;

    // The body carries the look for the clients that keep it. A client that drops the
    // body's attributes and style (webmail, and Gmail's apps, which turn it into a
    // <div>) keeps the wrapper <div>, which carries the look again over at least the
    // window's height, the margins as its padding. Where the view is only as tall as the
    // message (Evolution's), the window's height is the message's, and the wrapper is
    // kLeastAreaHeight tall instead of one line; an engine without max() keeps the
    // first height. Both pictures start at the top, so their lines meet, and the text
    // starts at the top margin in every client. Typing starts in a line of its own
    // inside the wrapper: a mail client's editor puts the caret in the first block, and
    // a new line splits that line, never the wrapper, so the picture runs on without a
    // seam.
    line("<body" + attributes + " style=\"" + escapeHtmlAttribute(css + "margin: 0;") + "\">");
    const std::string areaCss =
        text + "padding: " + std::to_string(s.topMargin) + "px 0 0 " +
        std::to_string(s.leftMargin) + "px; min-height: 100vh; min-height: max(100vh, " +
        std::to_string(kLeastAreaHeight) + "px); box-sizing: border-box; " + areaBackground;
    line("<div class=\"" + std::string(kDesignedAreaClass) + "\" style=\"" +
         escapeHtmlAttribute(areaCss.substr(0, areaCss.size() - 1)) + "\">");

    // Where typing starts, in the chosen font for engines that ignore CSS.
    std::string typed = "<br>";
    if (!sampleText.empty()) {
        typed.clear();
        for (const std::string& each : sampleText)
            typed += escapeHtmlText(each) + "<br>";
    }
    // The chosen font for engines that ignore CSS; its size comes from the CSS alone,
    // as the old scale has no step for most point sizes.
    std::string open, close;
    if (!s.fontName.empty())
        open = "<font face=\"" + escapeHtmlAttribute(fontFaceList(s.fontName)) + "\">",
        close = "</font>";
    if (s.bold)
        open += "<b>", close = "</b>" + close;
    if (s.italic)
        open += "<i>", close = "</i>" + close;
    line("<div>" + open + typed + close + "</div>");
    line("</div>");
    line("</body>");
    line("</html>");
    return page;
}

} // namespace stationery
