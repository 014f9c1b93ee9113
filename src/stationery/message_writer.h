#pragma once

#include "stationery/atomic_file.h"
#include "stationery/settings.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace stationery {

// What a copy put into a mail account carries besides: the stationery's title as its
// subject, which a message started from it takes, and a mark of our own by which a
// later copy of the same stationery finds it. An exported template has neither.
struct AccountCopy {
    std::string subject; // UTF-8
    std::string mark;    // letters and digits
};
// The copy of `settings` marked `mark`: an untitled stationery is subjected as the
// window shows its untouched title.
AccountCopy accountCopyOf(const StationerySettings& settings, std::string mark);

// A picture carried inside a message: its bytes, its file name and its media type.
struct MessagePicture {
    std::string bytes;
    std::string fileName; // UTF-8, no folder
    std::string mediaType;
};

// The stationery as a message template (RFC 5322, MIME): one .eml file that mail
// clients open as a new message ready to address and send, with the picture inside
// it. Its headers are X-Unsent, MIME-Version and an empty Subject; the client fills in
// the rest. The body is a multipart/alternative of an empty text part (for the client to
// fill with the typed words) and the HTML of TodaysClientsWriter (quoted-printable
// UTF-8, naming the text's language), whose every reference to the picture is its cid:
// URL; with a picture, those alternatives are the root of a multipart/related that
// holds the picture itself (base64, inline, with its file name and a Content-ID). The
// sound is left out: no mail client of today plays one. Lines end in CR LF; none is
// longer than 998 bytes (only a header naming a very long file name is longer than 78).
class MessageWriter {
public:
    static std::string render(const StationerySettings& settings,
                              const std::optional<MessagePicture>& picture);

    // The picture's media type from its first bytes: JPEG, GIF, PNG or BMP; nothing for
    // anything else.
    static std::optional<std::string> mediaTypeOf(std::string_view bytes);

    // The template with the picture `settings` names (if any) read from disk in pieces
    // while it is written, so a camera photo never stands whole in memory. Throws
    // ExportError (naming the file and the reason) when the picture cannot be read, is
    // not one a message can carry, or changes while it is written.
    static StreamedContents streamed(const StationerySettings& settings,
                                     const std::optional<AccountCopy>& copy = std::nullopt);

    // A picture up to this size is also written into the page, as the wrapper's data: URL,
    // for the clients that show only the wrapper's look; a larger one is not sent twice.
    static constexpr std::uintmax_t kPictureCopiedUpTo = 128 * 1024;

    // The header that carries AccountCopy::mark.
    static constexpr std::string_view kMarkHeader = "X-Stationery-Editor-Id";
};

// Content-Transfer-Encodings, with CR LF line ends: lines of at most 76 characters.
std::string base64Lines(std::string_view bytes);
std::string quotedPrintable(std::string_view text);

} // namespace stationery
