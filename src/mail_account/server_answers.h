#pragma once

// What an IMAP server says, read defensively: every line may be short, cut off or
// hostile, and none of these functions reads past it or throws.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mail_account {

struct Mailbox {
    std::string name;  // as the server writes it (modified UTF-7)
    std::string flags; // "\HasNoChildren \Drafts"
};

// The mailboxes of the untagged "* LIST (\HasNoChildren \Drafts) "/" Drafts" lines;
// lines of another shape are left out.
std::vector<Mailbox> mailboxesIn(std::string_view listing);

// The single number the server gave an appended message ("[APPENDUID 1796725718 7]");
// none for a range, a list, zero or anything else.
std::optional<std::string> appendedUid(const std::vector<std::string>& serverLines);

// The numbers of an untagged "* SEARCH 4 17" answer; nothing that is not one.
std::vector<std::string> searchedUids(std::string_view answer);

// The text of the server's last refusal, its tag and status taken off ("[OVERQUOTA]
// Quota exceeded"). A tagged answer to a command comes first; an untagged BYE only
// when there is none (the one after LOGOUT is no refusal).
std::string lastRefusal(const std::vector<std::string>& serverLines);

// Words from elsewhere made safe to show: control characters (escape sequences, bell,
// line breaks) become spaces, runs of spaces one, and the text is cut to `limit` bytes
// on a UTF-8 character's boundary.
std::string plainWords(std::string_view words, std::size_t limit = 400);

// The folder name `utf8` as IMAP writes it (modified UTF-7, RFC 3501 5.1.3), and back.
std::string imapFolderName(std::string_view utf8);
std::string readableFolderName(std::string_view imapName);

} // namespace mail_account
