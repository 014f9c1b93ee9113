// What an IMAP server says, on arbitrary bytes: the readers never read past an answer
// or throw, the words they pass on hold no control character, and a folder name made
// for the server reads back as it was.
#include "mail_account/server_answers.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace mail_account;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Mailbox& box : mailboxesIn(text))
        if (box.name.empty())
            std::abort();
    std::vector<std::string> lines;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    if (const auto uid = appendedUid(lines))
        if (uid->empty() || uid->find_first_not_of("0123456789") != std::string::npos)
            std::abort();
    for (const std::string& words : {lastRefusal(lines), plainWords(text, 64)})
        for (const char c : plainWords(words))
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                std::abort();
    readableFolderName(text);
    // Printable ASCII and whole UTF-8 characters come back as they went.
    const std::string name = imapFolderName(text);
    bool plain = true;
    for (const char c : text)
        plain = plain && c >= 0x20 && c < 0x7F;
    if (plain && readableFolderName(name) != text)
        std::abort();
    return 0;
}
