#pragma once

#include "stationery/settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace stationery {

// The page for today's mail clients and the message template carry, for Open, every
// choice they show, as one line no recipient sees: <meta name="stationery-editor"
// content="v=1&text=000080&…">. It names the picture only as the page names it (a
// file name beside the page, or nothing for a template, whose picture is inside), never
// by its place on this computer.
inline constexpr std::string_view kFormRecordName = "stationery-editor";
std::string formRecord(const StationerySettings& settings);

// A page for today's clients or a message template, read back. For a template, the
// picture's bytes and file name come out of the message.
struct ReadForm {
    StationerySettings settings;
    bool isMessage = false;
    std::string pictureFileName; // a template's picture, as the message names it
    std::string pictureBytes;
    bool incomplete = false; // a template cut off before its end; nothing else is set
};

// Where the parts of a message template this program wrote are: its record and its
// picture's name, and where the picture's base64 starts (npos without a picture).
// `bytes` (CR LF line ends) need only run that far; without the picture part's start
// the form is incomplete. Nothing for a message not made by this program.
struct MessageLayout {
    ReadForm form; // pictureBytes left empty
    std::size_t pictureBody = std::string_view::npos;
};
std::optional<MessageLayout> messageLayout(std::string_view bytes);

// Reads what this program wrote in either form; nothing for anything else.
std::optional<ReadForm> readTodaysForm(std::string_view bytes);

// What a file is by its first bytes when it is none of the program's own: "an e-mail
// message", "a web page", "a picture", "a sound"; empty when that cannot be told.
std::string foreignKind(std::string_view head);

} // namespace stationery
