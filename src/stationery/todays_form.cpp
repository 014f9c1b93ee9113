#include "stationery/todays_form.h"

#include "stationery/export.h"
#include "stationery/file_names.h"
#include "stationery/hex_color.h"
#include "stationery/message_writer.h"
#include "stationery/text_bytes.h"
#include "stationery/window_texts.h"

#include <charconv>
#include <map>

namespace stationery {

namespace {

constexpr std::string_view kKept = "-._~ ";

const std::pair<ScrollDirection, std::string_view> kDirections[] = {
    {ScrollDirection::NoScroll, "none"}, {ScrollDirection::Up, "up"},
    {ScrollDirection::Down, "down"},     {ScrollDirection::Left, "left"},
    {ScrollDirection::Right, "right"},
};

std::string attributeDecoded(std::string_view text) {
    static const std::pair<std::string_view, char> entities[] = {{"&amp;", '&'},  {"&quot;", '"'},
                                                                 {"&lt;", '<'},   {"&gt;", '>'},
                                                                 {"&#13;", '\r'}, {"&#10;", '\n'}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        for (const auto& [entity, c] : entities)
            if (text.substr(i).starts_with(entity)) {
                out += c;
                i += entity.size() - 1;
                replaced = true;
                break;
            }
        if (!replaced)
            out += text[i];
    }
    return out;
}

std::optional<StationerySettings> settingsFromRecord(std::string_view record) {
    std::map<std::string, std::string> fields;
    while (!record.empty()) {
        const std::size_t end = std::min(record.find('&'), record.size());
        const std::string_view field = record.substr(0, end);
        const std::size_t equals = field.find('=');
        if (equals != std::string_view::npos)
            fields[std::string(field.substr(0, equals))] = percentDecoded(field.substr(equals + 1));
        record.remove_prefix(std::min(end + 1, record.size()));
    }
    if (fields["v"] != "1")
        return std::nullopt;
    StationerySettings s;
    s.textColor = fields.count("text") ? parseHexColor(fields["text"]) : std::nullopt;
    s.backgroundColor = fields.count("bg") ? parseHexColor(fields["bg"]) : std::nullopt;
    s.fontName = fields["font"];
    if (const std::string& size = fields["size"]; !size.empty()) {
        float points = 0;
        if (std::from_chars(size.data(), size.data() + size.size(), points).ec == std::errc())
            s.fontSize = points;
    }
    s.bold = fields["bold"] == "1";
    s.italic = fields["italic"] == "1";
    // Numbers only this program wrote; anything else is taken as untouched.
    s.leftMargin = wholePixels(fields["left"]).value_or(0);
    s.topMargin = wholePixels(fields["top"]).value_or(0);
    for (const auto& [direction, name] : kDirections)
        if (fields["dir"] == name)
            s.direction = direction;
    s.pictureWidth = wholePixels(fields["w"]).value_or(0);
    s.pictureHeight = wholePixels(fields["h"]).value_or(0);
    if (fields.count("title") && fields["title"] != kTitlePlaceholder)
        s.title = fields["title"];
    if (fields.count("author") && fields["author"] != kAuthorPlaceholder)
        s.author = fields["author"];
    if (fields.count("picture"))
        s.picture = fields["picture"];
    return s;
}

std::optional<StationerySettings> recordIn(std::string_view html) {
    const std::string start = "<meta name=\"" + std::string(kFormRecordName) + "\" content=\"";
    const std::size_t at = html.find(start);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t from = at + start.size();
    const std::size_t end = html.find('"', from);
    if (end == std::string_view::npos)
        return std::nullopt;
    return settingsFromRecord(attributeDecoded(html.substr(from, end - from)));
}

std::string quotedPrintableDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
        } else if (text.substr(i + 1).starts_with("\r\n")) {
            i += 2;
        } else if (i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
                   hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) << 4 | hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string base64Decoded(std::string_view text) {
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (const char c : text) {
        const int digit = base64Digit(c);
        if (digit < 0)
            continue; // line ends and padding
        value = (value << 6) | unsigned(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((value >> bits) & 0xFF);
        }
    }
    return out;
}

// The file name a picture part's headers give, in either form the writer uses.
std::string partFileName(std::string_view headers) {
    if (const std::size_t at = headers.find("filename=\""); at != std::string_view::npos) {
        const std::size_t from = at + 10;
        return std::string(headers.substr(from, headers.find('"', from) - from));
    }
    if (const std::size_t at = headers.find("filename*=UTF-8''"); at != std::string_view::npos) {
        const std::size_t from = at + 17;
        const std::size_t end = headers.find_first_of(";\r\n", from);
        return percentDecoded(headers.substr(from, end - from));
    }
    return {};
}

const std::string kMessageBoundary = "--=_stationery_related";

ReadForm cutOff() {
    ReadForm form;
    form.isMessage = true;
    form.incomplete = true;
    return form;
}

std::optional<ReadForm> readMessage(std::string_view bytes) {
    const std::optional<MessageLayout> layout = messageLayout(bytes);
    if (!layout || layout->form.incomplete || layout->pictureBody == std::string_view::npos)
        return layout ? std::optional<ReadForm>(layout->form) : std::nullopt;
    const std::size_t end = bytes.find(kMessageBoundary + "--", layout->pictureBody);
    if (end == std::string_view::npos)
        return cutOff();
    ReadForm form = layout->form;
    form.pictureBytes = base64Decoded(bytes.substr(layout->pictureBody, end - layout->pictureBody));
    return form;
}

} // namespace

std::optional<MessageLayout> messageLayout(std::string_view bytes) {
    const std::size_t headersEnd = bytes.find("\r\n\r\n");
    if (headersEnd == std::string_view::npos)
        return std::nullopt;
    const std::string_view headers = bytes.substr(0, headersEnd);
    MessageLayout layout;
    ReadForm& form = layout.form;
    form.isMessage = true;
    const std::string& boundary = kMessageBoundary;
    // A template is a page alone or a page with its picture (multipart/related); since it
    // carries a text part too, the page is the last of two alternatives, which are the
    // root of the multipart/related (or, in the templates of one version, hold it).
    const bool alternatives =
        bytes.find("Content-Type: multipart/alternative") != std::string_view::npos;
    const bool related = headers.find("multipart/related") != std::string_view::npos ||
                         (alternatives && bytes.find("\r\n" + boundary + "\r\n", headersEnd) !=
                                              std::string_view::npos);
    // The HTML within a part of the page: the part itself, or its last alternative.
    const auto htmlIn = [alternatives](std::string_view part) -> std::optional<std::string_view> {
        if (!alternatives)
            return part;
        const std::size_t html = part.find("Content-Type: text/html");
        const std::size_t body = part.find("\r\n\r\n", html);
        if (html == std::string_view::npos || body == std::string_view::npos)
            return std::nullopt;
        part = part.substr(body + 4);
        return part.substr(0, part.find("\r\n--=_stationery_alternative"));
    };
    if (!related) {
        const std::optional<std::string_view> page = htmlIn(bytes.substr(headersEnd + 4));
        if (!page)
            return MessageLayout{cutOff()};
        const auto settings = recordIn(quotedPrintableDecoded(*page));
        if (!settings)
            return std::nullopt;
        form.settings = *settings;
        form.settings.picture = std::nullopt;
        return layout;
    }
    const std::size_t pageStart = bytes.find(boundary + "\r\n");
    const std::size_t pageBody = bytes.find("\r\n\r\n", pageStart);
    const std::size_t pictureStart = bytes.find("\r\n" + boundary + "\r\n", pageBody);
    if (pageStart == std::string_view::npos || pageBody == std::string_view::npos ||
        pictureStart == std::string_view::npos)
        return MessageLayout{cutOff()};
    const std::optional<std::string_view> page =
        htmlIn(bytes.substr(pageStart, pictureStart - pageStart));
    if (!page)
        return MessageLayout{cutOff()};
    const std::string_view html =
        alternatives ? *page : bytes.substr(pageBody + 4, pictureStart - pageBody - 4);
    const auto settings = recordIn(quotedPrintableDecoded(html));
    if (!settings)
        return std::nullopt;
    const std::size_t pictureHeaders = pictureStart + boundary.size() + 4;
    const std::size_t pictureBody = bytes.find("\r\n\r\n", pictureHeaders);
    if (pictureBody == std::string_view::npos)
        return MessageLayout{cutOff()};
    form.settings = *settings;
    form.pictureFileName = partFileName(bytes.substr(pictureHeaders, pictureBody - pictureHeaders));
    layout.pictureBody = pictureBody + 4;
    return layout;
}

std::string formRecord(const StationerySettings& s) {
    std::string record = "v=1";
    const auto add = [&record](std::string_view key, std::string_view value) {
        record.append("&").append(key).append("=").append(percentEncoded(value, kKept));
    };
    if (s.textColor)
        add("text", hexColor(*s.textColor));
    if (s.backgroundColor)
        add("bg", hexColor(*s.backgroundColor));
    add("font", s.fontName);
    char size[32];
    const auto written = std::to_chars(size, size + sizeof size, s.fontSize);
    add("size", std::string_view(size, std::size_t(written.ptr - size)));
    add("bold", s.bold ? "1" : "0");
    add("italic", s.italic ? "1" : "0");
    add("left", std::to_string(s.leftMargin));
    add("top", std::to_string(s.topMargin));
    for (const auto& [direction, name] : kDirections)
        if (s.direction == direction)
            add("dir", name);
    add("w", std::to_string(s.pictureWidth));
    add("h", std::to_string(s.pictureHeight));
    add("title", s.title.value_or(std::string(kTitlePlaceholder)));
    add("author", s.author.value_or(std::string(kAuthorPlaceholder)));
    // Only a name the page itself uses: a file beside it. Never a place on this computer.
    const std::string_view picture = picturePath(s);
    if (!picture.empty() && !picture.starts_with("cid:") && !isFullPath(picture) &&
        picture.find("://") == std::string_view::npos)
        add("picture", picture);
    return record;
}

std::optional<ReadForm> readTodaysForm(std::string_view bytes) {
    if (bytes.starts_with("X-Unsent: 1\r\n"))
        return readMessage(bytes);
    // A copy whose line ends became LF (as in a maildir) reads as the original.
    if (bytes.starts_with("X-Unsent: 1\n")) {
        std::string crlf;
        crlf.reserve(bytes.size() + bytes.size() / 64);
        for (const char c : bytes) {
            if (c == '\n' && (crlf.empty() || crlf.back() != '\r'))
                crlf += '\r';
            crlf += c;
        }
        return readMessage(crlf);
    }
    if (!bytes.starts_with("<!DOCTYPE html>"))
        return std::nullopt;
    const auto settings = recordIn(bytes.substr(0, std::min<std::size_t>(bytes.size(), 64 * 1024)));
    if (!settings)
        return std::nullopt;
    return ReadForm{*settings, false, {}, {}};
}

std::string foreignKind(std::string_view head) {
    if (MessageWriter::mediaTypeOf(head))
        return "a picture";
    if (soundKindOf(head))
        return "a sound";
    std::string lower(head.substr(0, 512));
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* header : {"from:", "received:", "return-path:", "mime-version:", "x-unsent:",
                               "message-id:", "date:", "subject:", "to:"})
        if (lower.starts_with(header))
            return "an e-mail message not made by this program";
    if (lower.find("<html") != std::string::npos ||
        lower.find("<!doctype html") != std::string::npos)
        return "a web page not made by this program";
    return {};
}

} // namespace stationery
