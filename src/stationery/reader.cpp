#include "stationery/reader.h"
#include "stationery/text_bytes.h"

#include "stationery/codepage.h"
#include "stationery/text_decoding.h"
#include "stationery/writer.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

namespace stationery {

namespace {

[[noreturn]] void notOurs() {
    throw ReadError(ReadError::Code::NotOurs);
}

// At most the first 40 characters of a text quoted in a message.
std::string excerpt(std::string_view text) {
    constexpr std::size_t kLength = 40;
    if (text.size() <= kLength)
        return std::string(text);
    return std::string(utf8Prefix(text, kLength)) + "...";
}

// How much of a hand-edited file to forgive. Trailing white space is trimmed only when
// the file does not read as it is: a size or margin field may end in a typed space.
enum class Leniency { Exact, TrimTrailingSpace };

// The file's lines without their line ends (CR LF, or LF alone), blank lines left out:
// the lines the writer makes never hold a value alone, so none is lost.
std::vector<std::string_view> splitLines(std::string_view bytes, Leniency leniency) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (leniency == Leniency::TrimTrailingSpace)
            while (!line.empty() &&
                   (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
                line.remove_suffix(1);
        if (!line.empty())
            lines.push_back(line);
        if (lf == std::string_view::npos)
            break;
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}

// What stands between `prefix` and `suffix` on a line that has both, or nothing.
std::optional<std::string_view> between(std::string_view line, std::string_view prefix,
                                        std::string_view suffix) {
    if (line.size() < prefix.size() + suffix.size() || !line.starts_with(prefix) ||
        !line.ends_with(suffix))
        return std::nullopt;
    return line.substr(prefix.size(), line.size() - prefix.size() - suffix.size());
}

std::string_view require(std::optional<std::string_view> value) {
    if (!value)
        notOurs();
    return *value;
}

class Lines {
public:
    Lines(std::string_view bytes, Leniency leniency) : lines_(splitLines(bytes, leniency)) {}

    std::string_view next() {
        if (at_ >= lines_.size())
            notOurs();
        return lines_[at_++];
    }
    std::string_view peek() const { return at_ < lines_.size() ? lines_[at_] : std::string_view{}; }
    void expect(std::string_view line) {
        if (next() != line)
            notOurs();
    }
    // Moves past the next line equal to `line`.
    void skipPast(std::string_view line) {
        while (next() != line) {
        }
    }
    bool skipBlank() {
        const bool blank = at_ < lines_.size() && lines_[at_].empty();
        if (blank)
            ++at_;
        return blank;
    }

private:
    std::vector<std::string_view> lines_;
    std::size_t at_ = 0;
};

void readImageAndBackground(std::string_view line, StationerySettings& s, Charset cs) {
    // The path is an attribute, so its first raw quote is its end.
    const std::string_view rest = require(between(line, "<BODY background=\"", ""));
    const std::size_t quote = rest.find('"');
    if (quote == std::string_view::npos)
        notOurs();
    const std::string_view path = rest.substr(0, quote);
    const std::string_view after = rest.substr(quote + 1);
    if (!after.empty())
        s.backgroundColor =
            parseHexColor(decodeMarkup(require(between(after, " bgColor=#", "")), Place::Text, cs));
    if (!path.empty())
        s.picture = decodeMarkup(path, Place::Attribute, cs);
}

// "Font: 10pt 'Arial' bold italic;"; the name may hold quotes of its own, so the
// ending decides what is style and what is name.
void readFont(std::string_view line, StationerySettings& s, Charset cs) {
    std::string_view rest = require(between(line, "Font: ", ""));
    const std::size_t pt = rest.find("pt '");
    if (pt == std::string_view::npos)
        notOurs();
    std::string size(rest.substr(0, pt));
    std::replace(size.begin(), size.end(), ',', '.'); // older files wrote a comma
    const auto parsed = std::from_chars(size.data(), size.data() + size.size(), s.fontSize);
    if (parsed.ec != std::errc() || parsed.ptr != size.data() + size.size())
        throw ReadError(ReadError::Code::BadFontSize, excerpt(size));
    rest.remove_prefix(pt + 4);
    static constexpr struct {
        std::string_view ending;
        bool bold, italic;
    } kEndings[] = {{"' bold italic;", true, true},
                    {"' bold;", true, false},
                    {"' italic;", false, true},
                    {"';", false, false}};
    for (const auto& e : kEndings) {
        if (rest.ends_with(e.ending)) {
            s.fontName =
                decodeMarkup(rest.substr(0, rest.size() - e.ending.size()), Place::Attribute, cs);
            s.bold = e.bold;
            s.italic = e.italic;
            return;
        }
    }
    notOurs();
}

// A margin or size as the window holds it: a whole number of pixels. One left empty
// (an older file's cleared field) is 0, as a browser takes it; anything else is refused.
int number(const std::string& text, ReadError::Code failure) {
    if (text.empty())
        return 0;
    const std::optional<int> pixels = wholePixels(text);
    if (!pixels)
        throw ReadError(failure, excerpt(text));
    return *pixels;
}

void readMargins(std::string_view line, StationerySettings& s, Charset cs) {
    std::string_view rest = require(between(line, "MARGIN-LEFT: ", "px\">"));
    constexpr std::string_view kTop = "px; MARGIN-TOP: ";
    const std::size_t at = rest.find(kTop);
    if (at == std::string_view::npos)
        notOurs();
    s.leftMargin =
        number(decodeMarkup(rest.substr(0, at), Place::Attribute, cs), ReadError::Code::BadMargin);
    s.topMargin = number(decodeMarkup(rest.substr(at + kTop.size()), Place::Attribute, cs),
                         ReadError::Code::BadMargin);
}

void readScrollingScript(Lines& lines, StationerySettings& s, Charset cs) {
    lines.expect("<!--");
    const std::string_view name = require(between(lines.next(), "direction=\"", "\""));
    for (ScrollDirection d : {ScrollDirection::Up, ScrollDirection::Left, ScrollDirection::Down,
                              ScrollDirection::Right})
        if (directionName(d) == name)
            s.direction = d;
    s.pictureWidth =
        number(decodeMarkup(require(between(lines.next(), "sizew=", "")), Place::Text, cs),
               ReadError::Code::BadPictureSize);
    s.pictureHeight =
        number(decodeMarkup(require(between(lines.next(), "sizeh=", "")), Place::Text, cs),
               ReadError::Code::BadPictureSize);
    lines.skipPast("</SCRIPT>");
}

std::optional<std::string> soundNamed(std::string path) {
    if (path == StationeryWriter::kNoSoundChosen)
        return std::nullopt;
    return path;
}

void readSound(Lines& lines, StationerySettings& s, Charset cs) {
    const std::string_view line = lines.peek();
    if (auto path = between(line, "<BGSOUND balance=0 loop=infinite src=\"", "\"volume=0>")) {
        lines.next();
        s.sound = soundNamed(decodeMarkup(*path, Place::Attribute, cs));
        lines.skipBlank();
    } else if (auto oe4 = between(line, "<IMG height=10 id=music src=\"",
                                  "\"style=\"DISPLAY: none\"  width=10 >")) {
        lines.next();
        s.sound = soundNamed(decodeMarkup(*oe4, Place::Attribute, cs));
        s.soundAsHiddenPicture = true;
        lines.skipPast("</SCRIPT>");
        while (lines.skipBlank()) {
        }
    } else {
        s.noSound = true;
    }
}

// A ticker variable's text, without the five spaces that follow a real ticker.
std::string readTicker(std::string_view line, int number, Charset cs) {
    const std::string prefix = "var m" + std::to_string(number) + "=\"";
    std::string text = decodeJavaScriptString(require(between(line, prefix, "\"")), cs);
    constexpr std::string_view kSeparator = "     ";
    if (std::string_view(text).ends_with(kSeparator))
        text.resize(text.size() - kSeparator.size());
    return text;
}

void readTickerScript(Lines& lines, StationerySettings& s, Charset cs) {
    lines.skipPast("var msg=\"\"");
    for (int number = 1; number <= 3; ++number) {
        while (lines.skipBlank()) {
        }
        s.tickers[std::size_t(number - 1)] = readTicker(lines.next(), number, cs);
    }
    lines.skipPast("</script></P></BODY></HTML>");
}

StationerySettings parse(std::string_view bytes, Leniency leniency, Charset cs) {
    Lines lines(bytes, leniency);
    StationerySettings s;
    lines.expect("<HTML>");
    lines.expect("<HEAD>");
    lines.expect("</HEAD>");
    const std::string_view author = require(between(lines.next(), "<!-- By ", " -->"));
    const std::string_view title = require(between(lines.next(), "<!-- Title ", " -->"));
    lines.expect("<!-- Created with Varek's Stationery Creation Program -->");
    // What an untouched window writes reads back as nothing given.
    if (std::string text = decodeMarkup(author, Place::Comment, cs); text != kUnknownAuthor)
        s.author = std::move(text);
    if (std::string text = decodeMarkup(title, Place::Comment, cs); text != kUnknownTitle)
        s.title = std::move(text);

    readImageAndBackground(lines.next(), s, cs);
    lines.expect("style=\"BACKGROUND-ATTACHMENT: scroll;");
    lines.expect("BACKGROUND-POSITION: 0% 0%;");
    const std::string_view font = lines.next();
    readFont(font, s, cs);
    // A colour that is not six hexadecimal digits (a hand-edited file) is none.
    s.textColor = parseHexColor(
        decodeMarkup(require(between(lines.next(), "COLOR: #", ";")), Place::Attribute, cs));
    if (lines.next() != font)
        notOurs();
    readMargins(lines.next(), s, cs);
    lines.expect(
        "<DIV id=imageholder style=\"LEFT: 0px; POSITION: absolute; TOP: 0px; Z-INDEX: -1\">");

    lines.skipBlank();
    if (lines.peek() == "<SCRIPT language=VBScript>") {
        lines.next();
        readScrollingScript(lines, s, cs);
    }
    lines.skipBlank();
    readSound(lines, s, cs);
    lines.expect("<script language=\"javascript\">");
    readTickerScript(lines, s, cs);
    return s;
}

} // namespace

StationerySettings StationeryReader::read(std::string_view bytes) {
    if (bytes.size() > kMaxFileSize)
        throw ReadError(ReadError::Code::TooLarge);
    if (bytes.find('\0') != std::string_view::npos)
        throw ReadError(ReadError::Code::NotText);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    const Charset cs = looksLikeUtf8(bytes) ? Charset::Utf8 : Charset::Windows1252;
    try {
        return parse(bytes, Leniency::Exact, cs);
    } catch (const ReadError&) {
        return parse(bytes, Leniency::TrimTrailingSpace, cs);
    }
}

StationerySettings StationeryReader::readFile(const std::filesystem::path& path) {
    const auto fail = [&](ReadError::Code code, std::string reason = {}) {
        throw ReadError(code, std::move(reason), path);
    };
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error)
        fail(ReadError::Code::SystemError, error.message());
    if (std::filesystem::is_directory(status))
        fail(ReadError::Code::IsFolder);
    // A pipe or a device would never end, or block: only plain files are read.
    if (!std::filesystem::is_regular_file(status))
        fail(ReadError::Code::NotRegularFile);
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        fail(ReadError::Code::SystemError, error.message());
    if (size > kMaxFileSize)
        fail(ReadError::Code::TooLarge);

    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        fail(ReadError::Code::SystemError, std::generic_category().message(errno ? errno : EIO));
    try {
        return read(bytes);
    } catch (const ReadError& failure) {
        throw failure.inFile(path);
    }
    return {}; // not reached
}

} // namespace stationery
