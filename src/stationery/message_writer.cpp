#include "stationery/message_writer.h"
#include "stationery/text_bytes.h"
#include "stationery/window_texts.h"

#include "stationery/export.h"
#include "stationery/file_names.h"
#include "stationery/todays_clients_writer.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <system_error>

namespace stationery {

namespace {

constexpr std::string_view kCrLf = "\r\n";
// "=_" never stands in quoted-printable or base64 text, so the boundary cannot occur
// in a part.
constexpr std::string_view kBoundary = "=_stationery_related";
constexpr std::string_view kAlternativesBoundary = "=_stationery_alternative";

// A short fingerprint of the picture, so that its Content-ID differs from any other
// picture's and stays the same for the same bytes. FNV-1a over 8-byte words: a camera
// photo has millions of bytes, and this is no place for a slow hash. Taken in pieces of
// any length.
class Fingerprint {
public:
    explicit Fingerprint(std::uintmax_t size) : hash_(14695981039346656037ull ^ size) {}

    void add(std::string_view bytes) {
        while (!bytes.empty() && (held_ > 0 || bytes.size() < 8)) {
            word_[held_++] = bytes.front();
            bytes.remove_prefix(1);
            if (held_ == 8)
                addWord(word_), held_ = 0;
        }
        for (; bytes.size() >= 8; bytes.remove_prefix(8))
            addWord(bytes.data());
        for (const char c : bytes)
            word_[held_++] = c;
    }

    std::string hex() const {
        std::uint64_t hash = hash_;
        for (std::size_t i = 0; i < held_; ++i)
            hash = (hash ^ static_cast<unsigned char>(word_[i])) * kPrime;
        std::string text;
        for (int shift = 60; shift >= 0; shift -= 4)
            text += kHexDigits[(hash >> shift) & 0xF];
        return text;
    }

private:
    static constexpr std::uint64_t kPrime = 1099511628211ull;
    void addWord(const char* bytes) {
        std::uint64_t word;
        std::memcpy(&word, bytes, 8);
        hash_ = (hash_ ^ word) * kPrime;
    }
    std::uint64_t hash_;
    char word_[8] = {};
    std::size_t held_ = 0;
};

std::string fingerprint(std::string_view bytes) {
    Fingerprint print(bytes.size());
    print.add(bytes);
    return print.hex();
}

// Base64 in lines of 76 characters, appended to `out` a line at a time (no buffer of
// the whole encoding is made and copied).
// Each pair of base64 characters for twelve bits: half the lookups of one a character.
constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr auto kBase64Pairs = [] {
    std::array<char, 2 * 4096> pairs{};
    for (std::size_t i = 0; i < 4096; ++i) {
        pairs[2 * i] = kBase64Alphabet[i >> 6];
        pairs[2 * i + 1] = kBase64Alphabet[i & 63];
    }
    return pairs;
}();

std::uintmax_t base64Size(std::uintmax_t bytes);

// Lines of 76 base64 characters (57 bytes), each ending in CRLF, written in place.
void appendBase64Lines(std::string& out, std::string_view bytes) {
    constexpr std::size_t kBytesPerLine = 57;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(base64Size(bytes.size())));
    char* to = out.data() + start;
    const auto* from = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto group = [&to](std::uint32_t v) { // three bytes, four characters
        std::memcpy(to, &kBase64Pairs[2 * (v >> 12)], 2);
        std::memcpy(to + 2, &kBase64Pairs[2 * (v & 0xFFF)], 2);
        to += 4;
    };
    const auto three = [](const unsigned char* b) {
        return std::uint32_t(b[0]) << 16 | std::uint32_t(b[1]) << 8 | b[2];
    };
    std::size_t left = bytes.size();
    for (; left >= kBytesPerLine; left -= kBytesPerLine) {
        for (std::size_t i = 0; i < kBytesPerLine; i += 3, from += 3)
            group(three(from));
        *to++ = '\r';
        *to++ = '\n';
    }
    if (left == 0)
        return;
    for (; left >= 3; left -= 3, from += 3)
        group(three(from));
    if (left > 0) { // the last one or two bytes
        const std::uint32_t v = std::uint32_t(from[0]) << 16 | (left > 1 ? from[1] << 8 : 0);
        *to++ = kBase64Alphabet[v >> 18];
        *to++ = kBase64Alphabet[v >> 12 & 63];
        *to++ = left > 1 ? kBase64Alphabet[v >> 6 & 63] : '=';
        *to++ = '=';
    }
    *to++ = '\r';
    *to++ = '\n';
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
    if (bytes.starts_with("\x89PNG\r\n\x1A\n"))
        return "image/png";
    if (bytes.starts_with("BM"))
        return "image/bmp";
    return std::nullopt;
}

namespace {

// The picture as the message carries it, whatever holds its bytes.
struct CarriedPicture {
    std::string mediaType;
    std::string fileName;
    std::string contentId;
    std::uintmax_t size = 0;
    // Hands the bytes over in pieces of a multiple of 57 bytes (a base64 line), the
    // last piece aside.
    std::function<void(const std::function<void(std::string_view)>&)> pieces;
};

std::string contentIdFor(const std::string& fingerprint) {
    return "picture." + fingerprint + "@stationery.invalid";
}

std::uintmax_t base64Size(std::uintmax_t bytes) {
    const std::uintmax_t rest = bytes % 57;
    return bytes / 57 * 78 + (rest ? (rest + 2) / 3 * 4 + 2 : 0);
}

// "Subject: text" as a header may carry it: plain when it is short printable ASCII,
// else as RFC 2047 encoded words of whole UTF-8 characters, one a line. Control
// characters become spaces.
std::string subjectHeader(std::string_view text) {
    std::string clean;
    for (const char c : text)
        clean += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    bool plain = clean.size() <= 66 && clean.find("=?") == std::string::npos;
    for (const char c : clean)
        plain = plain && static_cast<unsigned char>(c) < 0x80;
    if (plain)
        return "Subject: " + clean + "\r\n";
    std::string header = "Subject:";
    std::string_view rest = clean;
    while (!rest.empty()) {
        const std::string_view word = utf8Prefix(rest, 45); // 60 base64 characters
        std::string encoded;
        appendBase64Lines(encoded, word);
        encoded.erase(encoded.size() - 2); // its line end
        header += " =?UTF-8?B?" + encoded + "?=\r\n";
        rest.remove_prefix(word.empty() ? rest.size() : word.size());
    }
    return header;
}

// The picture as a data: URL for the wrapper's CSS, when it is small enough to travel
// twice; else nothing.
std::string copiedPicture(const CarriedPicture& picture) {
    if (picture.size > MessageWriter::kPictureCopiedUpTo)
        return {};
    std::string bytes;
    picture.pieces([&bytes](std::string_view piece) { bytes += piece; });
    std::string lines;
    appendBase64Lines(lines, bytes);
    std::string url = "data:" + picture.mediaType + ";base64,";
    for (const char c : lines)
        if (c != '\r' && c != '\n')
            url += c;
    return url;
}

// The message around the picture's base64: what comes before it and after it.
std::pair<std::string, std::string> messageAround(const StationerySettings& settings,
                                                  const CarriedPicture* picture,
                                                  const std::optional<AccountCopy>& copy) {
    // The page refers to the picture by its part's Content-ID, and to nothing on disk.
    StationerySettings page = settings;
    page.picture = picture ? std::optional<std::string>("cid:" + picture->contentId) : std::nullopt;
    const std::string html = quotedPrintable(
        TodaysClientsWriter::render(page, TodaysClientsWriter::PictureNamed::InAttributeOnly, {},
                                    picture ? copiedPicture(*picture) : std::string()));

    std::string head = "X-Unsent: 1\r\nMIME-Version: 1.0\r\n";
    if (copy) {
        head += subjectHeader(copy->subject);
        head.append(MessageWriter::kMarkHeader).append(": ").append(copy->mark).append(kCrLf);
    } else {
        head += "Subject:\r\n";
    }
    // The text first, the page after it: a client shows the last alternative it can. A
    // template holds no words yet; the text part is there for what the client makes of
    // it. With a picture the alternatives are the root of a multipart/related that holds
    // the picture beside them: Evolution's editor takes the page from no other nesting
    // (with the related part inside the alternatives, it starts empty and attaches the
    // page).
    const std::string alternatives(kAlternativesBoundary);
    const std::string alternativeParts =
        "Content-Type: multipart/alternative" + parameter("boundary", alternatives) + "\r\n\r\n--" +
        alternatives +
        "\r\nContent-Type: text/plain; charset=UTF-8\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n\r\n\r\n--" +
        alternatives +
        "\r\nContent-Type: text/html; charset=UTF-8\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
        html + "\r\n--" + alternatives + "--\r\n";
    if (!picture)
        return {head + alternativeParts, {}};
    const std::string boundary(kBoundary);
    head += "Content-Type: multipart/related" + parameter("type", "multipart/alternative") +
            parameter("boundary", boundary) + "\r\n\r\n--" + boundary + "\r\n" + alternativeParts +
            "\r\n--" + boundary + "\r\n";
    head += "Content-Type: " + picture->mediaType + parameter("name", picture->fileName) +
            "\r\nContent-Transfer-Encoding: base64\r\n";
    head += "Content-ID: <" + picture->contentId + ">\r\n";
    head += "Content-Disposition: inline" + parameter("filename", picture->fileName) + "\r\n\r\n";
    return {head, "--" + boundary + "--\r\n"};
}

StreamedContents streamedMessage(const StationerySettings& settings,
                                 std::optional<CarriedPicture> picture,
                                 const std::optional<AccountCopy>& copy = std::nullopt) {
    auto [head, tail] = messageAround(settings, picture ? &*picture : nullptr, copy);
    const std::uintmax_t size =
        head.size() + (picture ? base64Size(picture->size) : 0) + tail.size();
    return {size, [head = std::move(head), tail = std::move(tail),
                   picture = std::move(picture)](const StreamedContents::Writer& write) {
                write(head);
                if (!picture) {
                    write(tail);
                    return;
                }
                std::string lines;
                picture->pieces([&](std::string_view piece) {
                    lines.clear();
                    appendBase64Lines(lines, piece);
                    write(lines);
                });
                write(tail);
            }};
}

// Pieces of 4096 base64 lines: large enough for few system calls, small enough to
// keep a camera photo out of memory.
constexpr std::size_t kPieceBytes = 57 * 4096;

// Reads the file into `piece` until it is full or the file ends; false on failure.
bool readPiece(std::ifstream& in, std::string& piece) {
    piece.resize(kPieceBytes);
    in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    piece.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

// The picture `settings` names, looked at once whole (for its type and fingerprint)
// and read again in pieces while the message is written. A picture that changes
// between the two readings fails the write.
std::optional<CarriedPicture> pictureFile(const StationerySettings& settings) {
    const std::string_view chosen = picturePath(settings);
    if (chosen.empty())
        return std::nullopt;
    const std::filesystem::path path = pathFromUtf8(chosen);
    const auto fail = [path](int error) {
        throw ExportError(ExportError::Code::PictureNotRead, path,
                          std::generic_category().message(error ? error : EIO));
    };
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        fail(error ? error.value() : ENOENT);
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        fail(error.value());
    // Reads the file whole, piece by piece; returns its fingerprint.
    const auto readWhole = [path, size, fail](const std::function<void(std::string_view)>& take) {
        errno = 0;
        std::ifstream in(path, std::ios::binary);
        if (!in)
            fail(errno);
        Fingerprint print(size);
        std::uintmax_t read = 0;
        std::string piece;
        while (readPiece(in, piece) && !piece.empty()) {
            print.add(piece);
            read += piece.size();
            take(piece);
        }
        if (in.bad())
            fail(errno);
        if (read != size)
            throw ExportError(ExportError::Code::PictureChanged, path, {});
        return print.hex();
    };
    std::string head;
    const std::string print = readWhole([&head](std::string_view piece) {
        if (head.empty())
            head = piece.substr(0, 16);
    });
    const auto mediaType = MessageWriter::mediaTypeOf(head);
    if (!mediaType)
        throw ExportError(ExportError::Code::PictureNotSupported, path, {});
    return CarriedPicture{*mediaType, utf8FromPath(path.filename()), contentIdFor(print), size,
                          [path, print, readWhole](const auto& take) {
                              if (readWhole(take) != print)
                                  throw ExportError(ExportError::Code::PictureChanged, path, {});
                          }};
}

} // namespace

StreamedContents MessageWriter::streamed(const StationerySettings& settings,
                                         const std::optional<AccountCopy>& copy) {
    return streamedMessage(settings, pictureFile(settings), copy);
}

std::string MessageWriter::render(const StationerySettings& settings,
                                  const std::optional<MessagePicture>& picture) {
    std::optional<CarriedPicture> carried;
    if (picture)
        carried = CarriedPicture{picture->mediaType, picture->fileName,
                                 contentIdFor(fingerprint(picture->bytes)), picture->bytes.size(),
                                 [&picture](const auto& take) {
                                     take(picture->bytes);
                                 }};
    const StreamedContents contents = streamedMessage(settings, std::move(carried));
    std::string message;
    message.reserve(static_cast<std::size_t>(contents.size));
    contents.produce([&message](std::string_view piece) { message += piece; });
    return message;
}

AccountCopy accountCopyOf(const StationerySettings& settings, std::string mark) {
    return {settings.title.value_or(std::string(kTitlePlaceholder)), std::move(mark)};
}

} // namespace stationery
