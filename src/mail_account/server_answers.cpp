#include "mail_account/server_answers.h"

#include <algorithm>

namespace mail_account {

namespace {

// Reads one LIST answer from `text` at `at`, which moves past what was read.
class ListCursor {
public:
    ListCursor(std::string_view text, std::size_t at) : text_(text), at_(at) {}

    bool take(std::string_view word) {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    bool space() { return take(" "); }

    // "(...)" without the parentheses.
    std::optional<std::string> parenthesised() {
        if (!take("("))
            return std::nullopt;
        const std::size_t close = text_.find_first_of(")\r\n", at_);
        if (close == std::string_view::npos || text_[close] != ')')
            return std::nullopt;
        std::string inside(text_.substr(at_, close - at_));
        at_ = close + 1;
        return inside;
    }

    // NIL, an atom or a quoted string. A literal ("{5}") is not read: libcurl keeps
    // its bytes from what it hands on, so its name is unknown.
    std::optional<std::string> astring() {
        if (at_ >= text_.size() || text_[at_] == '{')
            return std::nullopt;
        if (text_[at_] == '"')
            return quotedString();
        const std::size_t end = std::min(text_.find_first_of(" \r\n", at_), text_.size());
        if (end == at_)
            return std::nullopt;
        std::string atom(text_.substr(at_, end - at_));
        at_ = end;
        return atom;
    }

private:
    std::optional<std::string> quotedString() {
        std::string value;
        for (std::size_t i = at_ + 1; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == '\r' || c == '\n')
                return std::nullopt;
            if (c == '"') {
                at_ = i + 1;
                return value;
            }
            if (c == '\\') {
                if (++i >= text_.size())
                    return std::nullopt;
                value += text_[i];
            } else {
                value += c;
            }
        }
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t at_;
};

std::optional<Mailbox> listAnswerAt(ListCursor& cursor) {
    if (!cursor.take("* LIST "))
        return std::nullopt;
    Mailbox box;
    const auto flags = cursor.parenthesised();
    if (!flags || !cursor.space() || !cursor.astring() || !cursor.space()) // the delimiter
        return std::nullopt;
    const auto name = cursor.astring();
    if (!name || name->empty())
        return std::nullopt;
    return Mailbox{*name, *flags};
}

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

} // namespace

std::vector<Mailbox> mailboxesIn(std::string_view listing) {
    std::vector<Mailbox> boxes;
    std::size_t at = 0;
    while (at < listing.size()) {
        ListCursor cursor(listing, at);
        if (auto box = listAnswerAt(cursor))
            boxes.push_back(std::move(*box));
        const std::size_t end = listing.find('\n', at);
        at = end == std::string_view::npos ? listing.size() : end + 1;
    }
    return boxes;
}

namespace {

bool isUid(std::string_view text) {
    return !text.empty() && text.size() <= 10 && text.front() != '0' &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           std::stoull(std::string(text)) <= 0xFFFFFFFFull;
}

} // namespace

std::vector<std::string> searchedUids(std::string_view answer) {
    std::vector<std::string> uids;
    std::size_t at = 0;
    while (at < answer.size()) {
        std::size_t end = answer.find('\n', at);
        if (end == std::string_view::npos)
            end = answer.size();
        std::string_view line = answer.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!startsWith(line, "* SEARCH"))
            continue;
        line.remove_prefix(8);
        while (!line.empty() && uids.size() < 1000) {
            const std::size_t space = std::min(line.find(' ', 1), line.size());
            const std::string_view word =
                line.substr(line.front() == ' ' ? 1 : 0, space - (line.front() == ' ' ? 1 : 0));
            if (isUid(word))
                uids.emplace_back(word);
            line.remove_prefix(space);
        }
    }
    return uids;
}

std::optional<std::string> appendedUid(const std::vector<std::string>& serverLines) {
    for (auto line = serverLines.rbegin(); line != serverLines.rend(); ++line) {
        const std::size_t at = line->find("[APPENDUID ");
        if (at == std::string::npos)
            continue;
        const std::size_t second = line->find(' ', at + 11);
        const std::size_t close = line->find(']', at);
        if (second == std::string::npos || close == std::string::npos || second > close)
            return std::nullopt;
        const std::string uid = line->substr(second + 1, close - second - 1);
        if (!isUid(uid))
            return std::nullopt;
        return uid;
    }
    return std::nullopt;
}

std::string lastRefusal(const std::vector<std::string>& serverLines) {
    std::string bye;
    for (auto line = serverLines.rbegin(); line != serverLines.rend(); ++line) {
        const std::size_t space = line->find(' ');
        if (space == std::string::npos)
            continue;
        const std::string_view rest = std::string_view(*line).substr(space + 1);
        const bool untagged = line->front() == '*';
        for (const std::string_view status : {"NO ", "BAD "})
            if (startsWith(rest, status))
                return std::string(rest.substr(status.size()));
        if (untagged && bye.empty() && startsWith(rest, "BYE ") &&
            rest.find("Logging out") == std::string_view::npos)
            bye = rest.substr(4);
    }
    return bye;
}

namespace {

// The length of the terminal escape sequence at `at` (ESC [ ... final, ESC ] ... BEL or
// ESC \, or ESC and one character).
std::size_t escapeLength(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size())
        return 1;
    const char kind = text[at + 1];
    std::size_t end = at + 2;
    if (kind == '[') {
        while (end < text.size() && !(text[end] >= '@' && text[end] <= '~'))
            ++end;
        return std::min(end + 1, text.size()) - at;
    }
    if (kind == ']') {
        while (end < text.size() && text[end] != '\a' &&
               !(text[end] == '\x1b' && end + 1 < text.size() && text[end + 1] == '\\'))
            ++end;
        return std::min(end + (end < text.size() && text[end] == '\x1b' ? 2 : 1), text.size()) - at;
    }
    return 2;
}

} // namespace

std::string plainWords(std::string_view words, std::size_t limit) {
    std::string plain;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char c = words[i];
        if (c == '\x1b') {
            i += escapeLength(words, i) - 1;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        const bool control = byte < 0x20 || byte == 0x7F;
        if (control || c == ' ') {
            if (!plain.empty() && plain.back() != ' ')
                plain += ' ';
        } else {
            plain += c;
        }
    }
    while (!plain.empty() && plain.back() == ' ')
        plain.pop_back();
    if (plain.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(plain[cut]) & 0xC0) == 0x80)
            --cut; // not inside a character
        plain = plain.substr(0, cut) + "…";
    }
    return plain;
}

namespace {

constexpr std::string_view kModifiedBase64 =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+,";

// The code points of UTF-8 text; a malformed byte stands for itself (as Latin-1).
std::vector<char32_t> codePoints(std::string_view utf8) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        char32_t point = length == 1   ? lead
                         : length == 2 ? lead & 0x1F
                         : length == 3 ? lead & 0x0F
                                       : lead & 0x07;
        bool whole = length > 0 && i + length <= utf8.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            whole = (next & 0xC0) == 0x80;
            point = point << 6 | (next & 0x3F);
        }
        if (!whole || point > 0x10FFFF) {
            points.push_back(lead);
            ++i;
        } else {
            points.push_back(point);
            i += std::size_t(length);
        }
    }
    return points;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | code >> 18);
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string imapFolderName(std::string_view utf8) {
    std::string out;
    std::vector<char16_t> run; // UTF-16 of the characters waiting to be encoded
    const auto flush = [&] {
        if (run.empty())
            return;
        out += '&';
        unsigned bits = 0, value = 0;
        for (const char16_t unit : run) {
            value = (value << 16) | unit;
            bits += 16;
            while (bits >= 6) {
                bits -= 6;
                out += kModifiedBase64[(value >> bits) & 0x3F];
            }
        }
        if (bits > 0)
            out += kModifiedBase64[(value << (6 - bits)) & 0x3F];
        out += '-';
        run.clear();
    };
    for (const char32_t code : codePoints(utf8)) {
        if (code >= 0x20 && code <= 0x7E) {
            flush();
            out += code == '&' ? std::string("&-") : std::string(1, char(code));
        } else if (code >= 0x10000) {
            run.push_back(char16_t(0xD800 + ((code - 0x10000) >> 10)));
            run.push_back(char16_t(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            run.push_back(char16_t(code));
        }
    }
    flush();
    return out;
}

std::string readableFolderName(std::string_view imapName) {
    std::string out;
    for (std::size_t i = 0; i < imapName.size(); ++i) {
        if (imapName[i] != '&') {
            out += imapName[i];
            continue;
        }
        const std::size_t end = imapName.find('-', i);
        if (end == std::string_view::npos)
            return std::string(imapName);
        if (end == i + 1) { // "&-" is "&"
            out += '&';
            i = end;
            continue;
        }
        std::vector<char16_t> units;
        unsigned bits = 0, value = 0;
        for (std::size_t j = i + 1; j < end; ++j) {
            const std::size_t digit = kModifiedBase64.find(imapName[j]);
            if (digit == std::string_view::npos)
                return std::string(imapName);
            value = ((value << 6) | unsigned(digit)) & 0x3FFFFF;
            bits += 6;
            if (bits >= 16) {
                bits -= 16;
                units.push_back(char16_t(value >> bits));
            }
        }
        for (std::size_t k = 0; k < units.size(); ++k) {
            char32_t code = units[k];
            if (code >= 0xD800 && code < 0xDC00 && k + 1 < units.size() && units[k + 1] >= 0xDC00 &&
                units[k + 1] < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (units[k + 1] - 0xDC00);
                ++k;
            }
            appendUtf8(out, code);
        }
        i = end;
    }
    return out;
}

} // namespace mail_account
