#include "stationery/output.h"
#include "stationery/text_bytes.h"

#include "stationery/codepage.h"

#include <charconv>

namespace stationery {

namespace {

// A stationery file with every section is about 5 KB; one allocation covers it.
constexpr std::size_t kTypicalFileSize = 6 * 1024;

} // namespace

StationeryOutput::StationeryOutput() {
    bytes_.reserve(kTypicalFileSize);
}

StationeryOutput& StationeryOutput::text(std::string_view ascii) {
    bytes_.append(ascii);
    return *this;
}

StationeryOutput& StationeryOutput::html(std::string_view utf8) {
    markup(utf8, Place::Text);
    return *this;
}

StationeryOutput& StationeryOutput::attribute(std::string_view utf8) {
    markup(utf8, Place::Attribute);
    return *this;
}

StationeryOutput& StationeryOutput::comment(std::string_view utf8) {
    markup(utf8, Place::Comment);
    return *this;
}

void StationeryOutput::endLine() {
    bytes_.append("\r\n");
}

bool StationeryOutput::endsComment() const {
    const std::string_view written = bytes_;
    return written.ends_with("--") || written.ends_with("--!");
}

void StationeryOutput::markup(std::string_view utf8, Place place) {
    const bool inAttribute = place == Place::Attribute;
    const bool inComment = place == Place::Comment;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Copy the run of plain ASCII in one go: almost every text is nothing else.
        std::size_t runEnd = pos;
        while (runEnd < utf8.size()) {
            const unsigned char c = static_cast<unsigned char>(utf8[runEnd]);
            if (c >= 0x80 || c == '\r' || c == '\n' || (inAttribute && (c == '"' || c == '&')) ||
                (inComment && c == '>'))
                break;
            ++runEnd;
        }
        bytes_.append(utf8.substr(pos, runEnd - pos));
        pos = runEnd;
        if (pos == utf8.size())
            break;

        const char32_t cp = nextCodePoint(utf8, pos);
        if (inAttribute && (cp == U'"' || cp == U'&')) {
            bytes_.append(cp == U'"' ? "&quot;" : "&amp;");
            continue;
        }
        if (inComment && cp == U'>') {
            // "-->" and "--!>" would end the comment; any other ">" is harmless.
            bytes_.append(endsComment() ? "&gt;" : ">");
            continue;
        }
        const int ansi = (cp == U'\r' || cp == U'\n') ? -1 : ansiByteFor(cp);
        if (ansi >= 0)
            bytes_.push_back(static_cast<char>(ansi));
        else
            characterReference(cp);
    }
}

StationeryOutput& StationeryOutput::jsString(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[pos]);
        switch (c) {
        case '\\':
            bytes_.append("\\\\");
            ++pos;
            continue;
        case '"':
            bytes_.append("\\\"");
            ++pos;
            continue;
        case '\r':
            bytes_.append("\\r");
            ++pos;
            continue;
        case '\n':
            bytes_.append("\\n");
            ++pos;
            continue;
        case '<':
            // "</" would let the HTML parser end the script block early.
            bytes_.append(pos + 1 < utf8.size() && utf8[pos + 1] == '/' ? "<\\" : "<");
            ++pos;
            continue;
        default:
            break;
        }
        if (c < 0x80) {
            bytes_.push_back(static_cast<char>(c));
            ++pos;
            continue;
        }
        const char32_t cp = nextCodePoint(utf8, pos);
        const int ansi = ansiByteFor(cp);
        if (ansi >= 0) {
            bytes_.push_back(static_cast<char>(ansi));
        } else if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            unicodeEscape(0xD800 + (v >> 10));
            unicodeEscape(0xDC00 + (v & 0x3FF));
        } else {
            unicodeEscape(cp);
        }
    }
    return *this;
}

void StationeryOutput::characterReference(char32_t codePoint) {
    char digits[16];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, static_cast<unsigned long>(codePoint));
    bytes_.append("&#");
    bytes_.append(digits, result.ptr);
    bytes_.push_back(';');
}

void StationeryOutput::unicodeEscape(char32_t codeUnit) {
    const char escape[] = {'\\',
                           'u',
                           kHexDigits[(codeUnit >> 12) & 0xF],
                           kHexDigits[(codeUnit >> 8) & 0xF],
                           kHexDigits[(codeUnit >> 4) & 0xF],
                           kHexDigits[codeUnit & 0xF]};
    bytes_.append(escape, sizeof escape);
}

} // namespace stationery
