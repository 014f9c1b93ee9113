#include "stationery/text_decoding.h"

#include "stationery/codepage.h"
#include "stationery/hex_color.h"

#include <charconv>
#include <optional>

namespace stationery {

namespace {

// "&#937;" at the start of `bytes`: its code point and length, when the writer would
// have written this very reference for it (a character the code page lacks, or a line
// break, in plain decimal digits).
std::optional<std::pair<char32_t, std::size_t>> canonicalReference(std::string_view bytes) {
    if (!bytes.starts_with("&#") || bytes.size() < 4 || bytes[2] == '0')
        return std::nullopt;
    std::uint32_t value = 0;
    const char* first = bytes.data() + 2;
    const auto [end, error] = std::from_chars(first, bytes.data() + bytes.size(), value);
    if (error != std::errc() || end == first || end == bytes.data() + bytes.size() || *end != ';')
        return std::nullopt;
    const char32_t cp = value;
    const bool written = cp == U'\r' || cp == U'\n' || (cp <= 0x10FFFF && ansiByteFor(cp) < 0);
    if (!written || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return std::pair{cp, static_cast<std::size_t>(end - bytes.data()) + 1};
}

std::optional<char32_t> unicodeEscape(std::string_view bytes) {
    if (bytes.size() < 6 || bytes[0] != '\\' || bytes[1] != 'u')
        return std::nullopt;
    char32_t unit = 0;
    for (std::size_t i = 2; i < 6; ++i) {
        const int digit = hexDigit(bytes[i]);
        if (digit < 0)
            return std::nullopt;
        unit = unit << 4 | static_cast<char32_t>(digit);
    }
    return unit;
}

// One byte of the file as text: a Windows-1252 character, or a byte of UTF-8 as it is.
void appendCharacter(std::string& out, char byte, Charset charset) {
    if (charset == Charset::Utf8)
        out.push_back(byte);
    else
        appendUtf8(out, codePointForAnsiByte(static_cast<unsigned char>(byte)));
}

} // namespace

bool looksLikeUtf8(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const char32_t cp = nextCodePoint(bytes, pos);
        if (cp == kReplacementCharacter && bytes.substr(start, 3) != "\xEF\xBF\xBD")
            return false;
        beyondAscii = beyondAscii || cp >= 0x80;
    }
    return beyondAscii;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | cp >> 6));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | cp >> 12));
        out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | cp >> 18));
        out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string decodeMarkup(std::string_view bytes, Place place, Charset charset) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::string_view rest = bytes.substr(i);
        if (rest[0] == '&') {
            if (const auto reference = canonicalReference(rest)) {
                appendUtf8(out, reference->first);
                i += reference->second;
                continue;
            }
            if (place == Place::Attribute && rest.starts_with("&amp;")) {
                out.push_back('&');
                i += 5;
                continue;
            }
            if (place == Place::Attribute && rest.starts_with("&quot;")) {
                out.push_back('"');
                i += 6;
                continue;
            }
            const std::string_view before = bytes.substr(0, i);
            if (place == Place::Comment && rest.starts_with("&gt;") &&
                (before.ends_with("--") || before.ends_with("--!"))) {
                out.push_back('>');
                i += 4;
                continue;
            }
        }
        appendCharacter(out, rest[0], charset);
        ++i;
    }
    return out;
}

std::string decodeJavaScriptString(std::string_view bytes, Charset charset) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::string_view rest = bytes.substr(i);
        if (rest[0] == '\\' && rest.size() >= 2) {
            if (const auto unit = unicodeEscape(rest)) {
                char32_t cp = *unit;
                std::size_t length = 6;
                // A pair of surrogates written for a character beyond U+FFFF.
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    const auto low = unicodeEscape(rest.substr(6));
                    if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (*low - 0xDC00);
                        length = 12;
                    }
                }
                appendUtf8(out, cp >= 0xD800 && cp <= 0xDFFF ? kReplacementCharacter : cp);
                i += length;
                continue;
            }
            const char escaped = rest[1];
            const char plain = escaped == 'r'                                        ? '\r'
                               : escaped == 'n'                                      ? '\n'
                               : escaped == '\\' || escaped == '"' || escaped == '/' ? escaped
                                                                                     : '\0';
            if (plain != '\0') {
                out.push_back(plain);
                i += 2;
                continue;
            }
            // Older files wrote the text unescaped: a backslash stands for itself.
        }
        appendCharacter(out, rest[0], charset);
        ++i;
    }
    return out;
}

} // namespace stationery
