// The writer on arbitrary records: render never crashes, every line ends in CR LF,
// and each ticker string, read back as a JavaScript string literal, gives back
// exactly the text that was typed; opening the file and rendering it again gives the
// same bytes. The message template of the same record parses as MIME: its lines,
// headers and parts are whole, and its parts decode to the page and the picture.
#include "stationery/codepage.h"
#include "stationery/hex_color.h"
#include "stationery/message_writer.h"
#include "stationery/reader.h"
#include "stationery/text_decoding.h"
#include "stationery/todays_clients_writer.h"
#include "stationery/writer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace stationery;

namespace {

void check(bool holds) {
    if (!holds)
        std::abort();
}

// Windows-1252 byte -> code point, built from the writer's own table.
const std::array<char32_t, 256>& ansiToUnicode() {
    static const std::array<char32_t, 256> table = [] {
        std::array<char32_t, 256> t{};
        t.fill(0xFFFFFFFF);
        for (char32_t cp = 0; cp < 0x10000; ++cp)
            if (const int b = ansiByteFor(cp); b >= 0)
                t[b] = cp;
        return t;
    }();
    return table;
}

// Reads a double-quoted JavaScript string literal's contents as a browser would.
std::vector<char32_t> decodeJavaScript(const std::string& literal) {
    std::vector<char16_t> units;
    for (std::size_t i = 0; i < literal.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(literal[i]);
        check(c != '"' && c != '\r' && c != '\n'); // would end the literal or the line
        if (c != '\\') {
            const char32_t cp = ansiToUnicode()[c];
            check(cp != 0xFFFFFFFF);
            units.push_back(static_cast<char16_t>(cp));
            continue;
        }
        check(i + 1 < literal.size());
        const char e = literal[++i];
        if (e == 'r') {
            units.push_back(u'\r');
        } else if (e == 'n') {
            units.push_back(u'\n');
        } else if (e == 'u') {
            check(i + 4 < literal.size());
            int v = 0;
            for (int k = 1; k <= 4; ++k) {
                const int h = hexDigit(literal[i + k]);
                check(h >= 0);
                v = v * 16 + h;
            }
            units.push_back(static_cast<char16_t>(v));
            i += 4;
        } else {
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(e)));
        }
    }
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            points.push_back(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            points.push_back(u);
        }
    }
    return points;
}

std::vector<char32_t> codePoints(const std::string& utf8) {
    std::vector<char32_t> points;
    for (std::size_t pos = 0; pos < utf8.size();)
        points.push_back(nextCodePoint(utf8, pos));
    return points;
}

std::vector<std::string> crLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n')
            check(i > 0 && text[i - 1] == '\r');
        if (text[i] == '\r') {
            check(i + 1 < text.size() && text[i + 1] == '\n');
            lines.push_back(text.substr(start, i - start));
            start = i + 2;
        }
    }
    check(start == text.size());
    return lines;
}

std::string decodeQuotedPrintable(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        check(line.size() <= 76);
        bool soft = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '=') {
                text += line[i];
                continue;
            }
            if (i + 1 == line.size()) {
                soft = true;
                break;
            }
            check(i + 2 < line.size() && hexDigit(line[i + 1]) >= 0 && hexDigit(line[i + 2]) >= 0);
            text += static_cast<char>(hexDigit(line[i + 1]) * 16 + hexDigit(line[i + 2]));
            i += 2;
        }
        if (!soft)
            text += "\r\n";
    }
    return text;
}

// The message's body parts between the boundary lines, each as its header and body
// lines; checks the message's own headers on the way.
std::vector<std::vector<std::string>> messageParts(const std::string& message) {
    const std::vector<std::string> lines = crLfLines(message);
    for (const std::string& line : lines)
        check(line.size() <= 998);
    check(lines.size() > 4 && lines[0] == "X-Unsent: 1" && lines[1] == "MIME-Version: 1.0" &&
          lines[2] == "Subject:");
    // A multipart/related: the alternatives (the text part, then the page), then the
    // picture. The parts returned are the page and the picture.
    const std::string related = "--=_stationery_related";
    const std::string alternative = "--=_stationery_alternative";
    std::vector<std::vector<std::string>> parts;
    std::vector<std::string> text;
    std::vector<std::string>* current = nullptr;
    int relatedDelimiters = 0, alternativeDelimiters = 0;
    bool relatedClosed = false, alternativesClosed = false;
    for (std::size_t i = 3; i < lines.size(); ++i) {
        check(!relatedClosed);
        const std::string& line = lines[i];
        if (line == related) {
            check(++relatedDelimiters == 1 || alternativesClosed);
            current = relatedDelimiters == 2 ? &parts.emplace_back() : nullptr;
        } else if (line == related + "--") {
            relatedClosed = true;
        } else if (line == alternative) {
            check(!alternativesClosed && relatedDelimiters == 1);
            current = ++alternativeDelimiters == 2 ? &parts.emplace_back() : &text;
        } else if (line == alternative + "--") {
            alternativesClosed = true;
            current = nullptr;
        } else if (current) {
            current->push_back(line);
        }
    }
    check(relatedClosed && alternativesClosed && relatedDelimiters == 2 &&
          alternativeDelimiters == 2 && parts.size() == 2);
    return parts;
}

void checkMessage(const StationerySettings& s, const std::string& pictureBytes) {
    const MessagePicture picture{"\xFF\xD8\xFF" + pictureBytes, "p.jpg", "image/jpeg"};
    const auto parts = messageParts(MessageWriter::render(s, picture));
    // The page: headers, a blank line, the quoted-printable body, one blank line
    // before the delimiter.
    const auto& page = parts[0];
    check(page.size() >= 4 && page[0] == "Content-Type: text/html; charset=UTF-8" &&
          page[1] == "Content-Transfer-Encoding: quoted-printable" && page[2].empty() &&
          page.back().empty());
    const std::string html =
        decodeQuotedPrintable(std::vector<std::string>(page.begin() + 3, page.end() - 1));
    // The page names the picture by the Content-ID its part carries.
    const auto& image = parts[1];
    const auto id = std::find_if(image.begin(), image.end(), [](const std::string& line) {
        return line.starts_with("Content-ID: <") && line.ends_with(">");
    });
    check(id != image.end());
    StationerySettings shown = s;
    shown.picture = "cid:" + id->substr(13, id->size() - 14);
    // The wrapper carries a small picture itself.
    std::string copied;
    if (picture.bytes.size() <= MessageWriter::kPictureCopiedUpTo) {
        copied = "data:image/jpeg;base64,";
        for (const char c : base64Lines(picture.bytes))
            if (c != '\r' && c != '\n')
                copied += c;
    }
    check(html == TodaysClientsWriter::render(
                      shown, TodaysClientsWriter::PictureNamed::InAttributeOnly, {}, copied));
    // The picture: its base64 lines after a blank line hold exactly its bytes.
    const auto blank = std::find(image.begin(), image.end(), std::string());
    check(blank != image.end());
    std::string encoded;
    for (auto line = blank + 1; line != image.end(); ++line)
        encoded += *line + "\r\n";
    check(encoded == base64Lines(picture.bytes));
}

std::optional<Rgb> someColour(FuzzedDataProvider& in) {
    if (!in.ConsumeBool())
        return std::nullopt;
    return Rgb{in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>(),
               in.ConsumeIntegral<std::uint8_t>()};
}

std::optional<std::string> someText(FuzzedDataProvider& in) {
    if (in.ConsumeBool())
        return std::nullopt;
    return in.ConsumeRandomLengthString(80);
}

int somePixels(FuzzedDataProvider& in) {
    return in.ConsumeIntegralInRange(-1000000, 1000000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    StationerySettings s;
    s.author = someText(in);
    s.title = someText(in);
    s.picture = someText(in);
    s.backgroundColor = someColour(in);
    s.fontSize = in.ConsumeFloatingPoint<float>();
    s.fontName = someText(in).value_or("");
    s.bold = in.ConsumeBool();
    s.italic = in.ConsumeBool();
    s.textColor = someColour(in);
    s.leftMargin = somePixels(in);
    s.topMargin = somePixels(in);
    s.direction = static_cast<ScrollDirection>(in.ConsumeIntegralInRange(0, 4));
    s.pictureWidth = somePixels(in);
    s.pictureHeight = somePixels(in);
    s.noSound = in.ConsumeBool();
    s.soundAsHiddenPicture = in.ConsumeBool();
    s.sound = someText(in);
    s.tickers[0] = someText(in);
    s.tickers[1] = someText(in);
    s.tickers[2] = in.ConsumeRemainingBytesAsString();

    const std::string file = StationeryWriter::render(s);
    check(file.size() >= 2 && file.compare(file.size() - 2, 2, "\r\n") == 0);
    const std::vector<std::string> lines = crLfLines(file);

    for (int number = 1; number <= 3; ++number) {
        const std::string prefix = "var m" + std::to_string(number) + "=\"";
        int found = 0;
        for (const std::string& line : lines) {
            if (line.rfind(prefix, 0) != 0)
                continue;
            ++found;
            check(line.back() == '"' && line.size() > prefix.size());
            const std::string literal = line.substr(prefix.size(), line.size() - prefix.size() - 1);
            check(literal.find("</") == std::string::npos); // cannot end the script block
            std::vector<char32_t> expected;
            if (const std::string_view text = tickerText(s, std::size_t(number - 1));
                !text.empty()) {
                expected = codePoints(std::string(text));
                expected.insert(expected.end(), 5, U' ');
            }
            check(decodeJavaScript(literal) == expected);
        }
        check(found == 1);
    }

    // Opened again and saved, the file comes out byte for byte the same. (A NUL
    // typed into a field would make it no text file; no field takes one.)
    // (A Windows-1252 text that happens to be valid UTF-8, such as a typed "Ã©", is
    // read as UTF-8: the price of reading files a text editor saved again.)
    if (file.find('\0') == std::string::npos && !looksLikeUtf8(file))
        check(StationeryWriter::render(StationeryReader::read(file)) == file);

    checkMessage(s, *s.tickers[2]); // any bytes stand for the picture's
    return 0;
}
