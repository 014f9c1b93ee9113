#include "stationery/message_writer.h"
#include "stationery/text_bytes.h"

#include "stationery/export.h"
#include "stationery/file_names.h"
#include "stationery/todays_clients_writer.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

namespace stationery {

namespace {

constexpr std::string_view kCrLf = "\r\n";
// "=_" never stands in quoted-printable or base64 text, so the boundary cannot occur
// in a part.
constexpr std::string_view kBoundary = "=_stationery_related";

// A short fingerprint of the picture, so that its Content-ID differs from any other
// picture's and stays the same for the same bytes. FNV-1a over 8-byte words: a camera
// photo has millions of bytes, and this is no place for a slow hash.
std::string fingerprint(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull ^ bytes.size();
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        hash = (hash ^ word) * 1099511628211ull;
    }
    for (; at < bytes.size(); ++at)
        hash = (hash ^ static_cast<unsigned char>(bytes[at])) * 1099511628211ull;
    std::string hex;
    for (int shift = 60; shift >= 0; shift -= 4)
        hex += kHexDigits[(hash >> shift) & 0xF];
    return hex;
}

// Base64 in lines of 76 characters, appended to `out` a line at a time (no buffer of
// the whole encoding is made and copied).
void appendBase64Lines(std::string& out, std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    constexpr std::size_t kBytesPerLine = 57; // 76 characters
    const auto* from = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t left = bytes.size();
    char line[80];
    while (left > 0) {
        const std::size_t length = std::min(left, kBytesPerLine);
        char* to = line;
        std::size_t i = 0;
        for (; i + 3 <= length; i += 3) {
            const std::uint32_t v = std::uint32_t(from[i]) << 16 | from[i + 1] << 8 | from[i + 2];
            *to++ = kAlphabet[v >> 18];
            *to++ = kAlphabet[v >> 12 & 63];
            *to++ = kAlphabet[v >> 6 & 63];
            *to++ = kAlphabet[v & 63];
        }
        if (i < length) { // the last one or two bytes
            const std::uint32_t v =
                std::uint32_t(from[i]) << 16 | (i + 1 < length ? from[i + 1] << 8 : 0);
            *to++ = kAlphabet[v >> 18];
            *to++ = kAlphabet[v >> 12 & 63];
            *to++ = i + 1 < length ? kAlphabet[v >> 6 & 63] : '=';
            *to++ = '=';
        }
        *to++ = '\r';
        *to++ = '\n';
        out.append(line, static_cast<std::size_t>(to - line));
        from += length;
        left -= length;
    }
}

// A header parameter: quoted when plain ASCII, else RFC 2231's UTF-8 %-form, each on
// a line of its own. A value holding "=?" takes the %-form too: mail clients would
// decode it as an encoded word, and show "=?utf-8?q?x?=.jpg" as "x.jpg".
std::string parameter(std::string_view name, std::string_view value) {
    bool plain = value.find("=?") == std::string_view::npos;
    for (const char c : value)
        plain = plain && c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    std::string text = ";\r\n ";
    text += name;
    if (plain)
        return text.append("=\"").append(value).append("\"");
    return text + "*=UTF-8''" + percentEncoded(value, "-._~");
}

} // namespace

std::string base64Lines(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() / 57 * 78 + 80);
    appendBase64Lines(out, bytes);
    return out;
}

std::string quotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    while (!text.empty()) {
        const std::size_t end = text.find(kCrLf);
        const std::string_view line = text.substr(0, end);
        std::size_t column = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            const bool lastOnLine = i + 1 == line.size();
            bool literal = (byte >= 33 && byte <= 126 && byte != '=') ||
                           ((byte == ' ' || byte == '\t') && !lastOnLine);
            std::size_t width = literal ? 1 : 3;
            // A soft line break keeps every line within 76 characters, "=" included.
            if (column + width > (lastOnLine ? 76u : 75u)) {
                out += "=\r\n";
                column = 0;
            }
            // Mailbox files mark a message's start with a line beginning "From ", and
            // change such a line in a body to ">From ": the F is encoded instead.
            if (column == 0 && line.substr(i).starts_with("From ")) {
                literal = false;
                width = 3;
            }
            if (literal) {
                out += line[i];
            } else {
                out += '=';
                out += kHexDigits[byte >> 4];
                out += kHexDigits[byte & 0xF];
            }
            column += width;
        }
        if (end == std::string_view::npos)
            break;
        out += kCrLf;
        text.remove_prefix(end + kCrLf.size());
    }
    return out;
}

std::optional<std::string> MessageWriter::mediaTypeOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xD8\xFF"))
        return "image/jpeg";
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))
        return "image/gif";
    if (bytes.starts_with("BM"))
        return "image/bmp";
    return std::nullopt;
}

std::optional<MessagePicture> MessageWriter::readPicture(const StationerySettings& settings) {
    const std::string_view chosen = effectiveImagePath(settings);
    if (chosen.empty())
        return std::nullopt;
    const std::filesystem::path path = pathFromUtf8(chosen);
    const auto fail = [&](const std::string& reason) {
        throw ExportError(ExportError::Code::PictureNotRead, path, reason);
    };
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        fail(error ? error.message() : std::generic_category().message(ENOENT));
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        fail(error.message());
    MessagePicture picture;
    picture.bytes.reserve(static_cast<std::size_t>(size));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail(std::generic_category().message(errno ? errno : EIO));
    static thread_local char chunk[256 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        picture.bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad() && errno)
        fail(std::generic_category().message(errno));
    if (in.bad() || picture.bytes.size() != size)
        throw ExportError(ExportError::Code::PictureChanged, path, {});
    const auto mediaType = mediaTypeOf(picture.bytes);
    if (!mediaType)
        throw ExportError(ExportError::Code::PictureNotSupported, path, {});
    picture.mediaType = *mediaType;
    picture.fileName = utf8FromPath(path.filename());
    return picture;
}

std::string MessageWriter::render(const StationerySettings& settings,
                                  const std::optional<MessagePicture>& picture) {
    // The page refers to the picture by its part's Content-ID, and to nothing on disk.
    StationerySettings page = settings;
    page.ImagePath = std::string(kNoImage);
    std::string contentId;
    if (picture) {
        contentId = "picture." + fingerprint(picture->bytes) + "@stationery.invalid";
        page.ImagePath = "cid:" + contentId;
    }
    const std::string html = quotedPrintable(
        TodaysClientsWriter::render(page, TodaysClientsWriter::PictureNamed::InAttributeOnly));

    std::string message;
    message.reserve(html.size() + (picture ? picture->bytes.size() / 57 * 78 + 80 : 0) + 1024);
    message += "X-Unsent: 1\r\nMIME-Version: 1.0\r\nSubject:\r\n";
    const std::string htmlHeaders =
        "Content-Type: text/html; charset=UTF-8\r\nContent-Transfer-Encoding: quoted-printable\r\n";
    if (!picture) {
        message.append(htmlHeaders).append(kCrLf).append(html);
        return message;
    }
    const std::string boundary(kBoundary);
    message += "Content-Type: multipart/related" + parameter("type", "text/html") +
               parameter("boundary", boundary) + "\r\n\r\n";
    message += "--" + boundary + "\r\n" + htmlHeaders + "\r\n" + html;
    message += "\r\n--" + boundary + "\r\n";
    message += "Content-Type: " + picture->mediaType + parameter("name", picture->fileName) +
               "\r\nContent-Transfer-Encoding: base64\r\n";
    message += "Content-ID: <" + contentId + ">\r\n";
    message +=
        "Content-Disposition: inline" + parameter("filename", picture->fileName) + "\r\n\r\n";
    appendBase64Lines(message, picture->bytes);
    message += "--" + boundary + "--\r\n";
    return message;
}

} // namespace stationery
