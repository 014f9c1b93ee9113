#include "mail_account/imap_upload.h"

#include <curl/curl.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

namespace mail_account {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

std::string colonHex(const unsigned char* bytes, unsigned length) {
    std::string text;
    for (unsigned i = 0; i < length; ++i) {
        if (i)
            text += ':';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0xF];
    }
    return text;
}

// What one connection learnt, shared with the TLS and debug callbacks.
struct Exchange {
    std::string trusted;   // a fingerprint the user trusts, or empty
    std::string presented; // the fingerprint of the certificate the server sent
    bool systemTrusted = true;
    std::vector<std::string> serverLines; // what the server said, line by line
    std::string body;                     // untagged answers to a custom request
};

int exchangeIndex() {
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

// Checks the server's certificate as the handshake receives it: the system's verdict,
// unless the user trusts this very certificate. Nothing is sent before it passes.
int verifyCertificate(int systemOk, X509_STORE_CTX* store) {
    auto* ssl =
        static_cast<SSL*>(X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
    auto* exchange =
        static_cast<Exchange*>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), exchangeIndex()));
    if (!exchange)
        return systemOk;
    if (X509_STORE_CTX_get_error_depth(store) != 0) {
        if (!systemOk)
            exchange->systemTrusted = false;
        return exchange->trusted.empty() ? systemOk : 1; // the leaf decides below
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    X509_digest(X509_STORE_CTX_get_current_cert(store), EVP_sha256(), digest, &length);
    exchange->presented = colonHex(digest, length);
    if (!systemOk)
        exchange->systemTrusted = false;
    if (!exchange->trusted.empty())
        return exchange->presented == exchange->trusted ? 1 : 0;
    return systemOk;
}

CURLcode setUpTls(CURL*, void* sslContext, void* data) {
    auto* context = static_cast<SSL_CTX*>(sslContext);
    SSL_CTX_set_ex_data(context, exchangeIndex(), data);
    SSL_CTX_set_verify(context, SSL_VERIFY_PEER, verifyCertificate);
    return CURLE_OK;
}

// The server's lines, for its reasons and the message's new number; what this program
// sends (the password among it) is never kept.
int keepServerLines(CURL*, curl_infotype type, char* data, size_t size, void* exchangePointer) {
    if (type != CURLINFO_HEADER_IN)
        return 0;
    auto* exchange = static_cast<Exchange*>(exchangePointer);
    std::string line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (exchange->serverLines.size() < 200)
        exchange->serverLines.push_back(line);
    return 0;
}

size_t keepBody(char* data, size_t size, size_t count, void* exchangePointer) {
    auto* exchange = static_cast<Exchange*>(exchangePointer);
    if (exchange->body.size() < 1024 * 1024)
        exchange->body.append(data, size * count);
    return size * count;
}

struct Sending {
    const std::string* message;
    size_t offset = 0;
    const std::atomic<bool>* cancelled;
    const std::function<void(double)>* progress;
};

size_t readMessage(char* buffer, size_t size, size_t count, void* sendingPointer) {
    auto* sending = static_cast<Sending*>(sendingPointer);
    const size_t piece = std::min(size * count, sending->message->size() - sending->offset);
    std::copy_n(sending->message->data() + sending->offset, piece, buffer);
    sending->offset += piece;
    return piece;
}

int watchTransfer(void* sendingPointer, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent) {
    auto* sending = static_cast<Sending*>(sendingPointer);
    if (*sending->progress && total > 0)
        (*sending->progress)(double(sent) / double(total));
    return sending->cancelled->load() ? 1 : 0;
}

// The text of the server's last refusal, its tag and status taken off: "[OVERQUOTA]
// Quota exceeded". A tagged answer to a command comes first; an untagged BYE only when
// there is none (the one after LOGOUT is no refusal).
std::string lastRefusal(const Exchange& exchange) {
    std::string bye;
    for (auto line = exchange.serverLines.rbegin(); line != exchange.serverLines.rend(); ++line) {
        const size_t space = line->find(' ');
        if (space == std::string::npos)
            continue;
        const std::string rest = line->substr(space + 1);
        const bool untagged = line->front() == '*';
        for (const char* status : {"NO ", "BAD "})
            if (rest.rfind(status, 0) == 0)
                return rest.substr(std::string(status).size());
        if (untagged && bye.empty() && rest.rfind("BYE ", 0) == 0 &&
            rest.find("Logging out") == std::string::npos)
            bye = rest.substr(4);
    }
    return bye;
}

bool contains(const std::string& text, const char* word) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower.find(word) != std::string::npos;
}

class Connection {
public:
    Connection(const UploadRequest& request, const std::atomic<bool>& cancelled,
               const std::function<void(double)>& progress)
        : request_(request),
          curl_(curl_easy_init(), curl_easy_cleanup), sending_{&request.message, 0, &cancelled,
                                                               &progress} {
        exchange_.trusted = request.trustedCertificate;
        const Account& account = request.account;
        base_ = std::string(account.security == Security::SslTls ? "imaps://" : "imap://") +
                (account.host.find(':') != std::string::npos ? "[" + account.host + "]"
                                                             : account.host) +
                ":" + std::to_string(account.port) + "/";
    }

    // Runs one command on the folder (or the account, for an empty folder); a custom
    // request when `command` is given, else the upload of the message.
    CURLcode run(const std::string& folder, const std::string& command) {
        CURL* curl = curl_.get();
        curl_easy_reset(curl);
        std::string url = base_;
        if (!folder.empty()) {
            char* escaped = curl_easy_escape(curl, folder.c_str(), int(folder.size()));
            url += escaped;
            curl_free(escaped);
        }
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_USERNAME, request_.account.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, request_.password.c_str());
        curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "imap,imaps");
        // A pinned certificate is checked in the handshake instead of by the system.
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER,
                         request_.trustedCertificate.empty() ? 1L : 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST,
                         request_.trustedCertificate.empty() ? 2L : 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_FUNCTION, setUpTls);
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_DATA, &exchange_);
        curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L); // only for the debug callback
        curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, keepServerLines);
        curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &exchange_);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keepBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &exchange_);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, watchTransfer);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &sending_);
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error_);
        error_[0] = '\0';
        exchange_.body.clear();
        if (command.empty()) {
            sending_.offset = 0;
            curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
            curl_easy_setopt(curl, CURLOPT_READFUNCTION, readMessage);
            curl_easy_setopt(curl, CURLOPT_READDATA, &sending_);
            curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(request_.message.size()));
        } else {
            curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, command.c_str());
        }
        return curl_easy_perform(curl);
    }

    // Runs it, and throws the failure in plain terms; `onRefusal` is the failure when
    // the server says no.
    void runOrFail(const std::string& folder, const std::string& command, Failure onRefusal) {
        const CURLcode code = run(folder, command);
        if (code != CURLE_OK)
            throw failureFor(code, onRefusal);
    }

    const Exchange& exchange() const { return exchange_; }

private:
    UploadError failureFor(CURLcode code, Failure onRefusal) const {
        const std::string words = lastRefusal(exchange_);
        const std::string detail = error_[0] ? error_ : curl_easy_strerror(code);
        switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST:
            return {Failure::HostNotFound, {}, {}, detail};
        case CURLE_COULDNT_CONNECT:
            return {Failure::ConnectionRefused, {}, {}, detail};
        case CURLE_OPERATION_TIMEDOUT:
            return {Failure::TimedOut, words, {}, detail};
        case CURLE_LOGIN_DENIED:
            return {Failure::WrongLogin, words, {}, detail};
        case CURLE_USE_SSL_FAILED:
            return {Failure::NoTls, {}, {}, detail};
        case CURLE_ABORTED_BY_CALLBACK:
            return {Failure::Cancelled, {}, {}, detail};
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
            if (!exchange_.presented.empty() && !exchange_.trusted.empty() &&
                exchange_.presented != exchange_.trusted)
                return {Failure::CertificateChanged, {}, exchange_.presented, detail};
            if (!exchange_.presented.empty() && !exchange_.systemTrusted)
                return {Failure::CertificateNotTrusted, {}, exchange_.presented, detail};
            // The server went away while the encryption was being agreed.
            if (contains(detail, "reset by peer") || contains(detail, "connection closed") ||
                contains(detail, "unexpected eof"))
                return {Failure::ConnectionLost, {}, {}, detail};
            return {Failure::Other, {}, {}, detail};
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_GOT_NOTHING:
        case CURLE_PARTIAL_FILE:
            return {Failure::ConnectionLost, words, {}, detail};
        default:
            break;
        }
        if (contains(words, "overquota") || contains(words, "quota"))
            return {Failure::OverQuota, words, {}, detail};
        if (!words.empty())
            return {onRefusal, words, {}, detail};
        return {Failure::Other, words, {}, detail};
    }

    const UploadRequest& request_;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl_;
    Sending sending_;
    Exchange exchange_;
    std::string base_;
    char error_[CURL_ERROR_SIZE] = {};
};

struct Mailbox {
    std::string name;
    std::string flags;
};

// The mailboxes of "* LIST (\HasNoChildren \Drafts) "/" Drafts" lines.
std::vector<Mailbox> mailboxesIn(const std::string& listing) {
    std::vector<Mailbox> boxes;
    size_t at = 0;
    while (at < listing.size()) {
        size_t end = listing.find('\n', at);
        if (end == std::string::npos)
            end = listing.size();
        std::string line = listing.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("* LIST (", 0) != 0)
            continue;
        const size_t flagsEnd = line.find(')');
        if (flagsEnd == std::string::npos)
            continue;
        Mailbox box{{}, line.substr(8, flagsEnd - 8)};
        // The delimiter: a quoted character or NIL; then the name.
        size_t pos = flagsEnd + 2;
        if (line.compare(pos, 3, "NIL") == 0)
            pos += 4;
        else if (pos < line.size() && line[pos] == '"')
            pos = line.find('"', line[pos + 1] == '\\' ? pos + 3 : pos + 2) + 2;
        if (pos >= line.size())
            continue;
        if (line[pos] == '"') {
            for (size_t i = pos + 1; i < line.size() && line[i] != '"'; ++i)
                box.name += line[i] == '\\' && i + 1 < line.size() ? line[++i] : line[i];
        } else {
            box.name = line.substr(pos);
        }
        boxes.push_back(box);
    }
    return boxes;
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The number the server gave the appended message: "[APPENDUID 1796725718 1]".
std::string appendedUid(const Exchange& exchange) {
    for (auto line = exchange.serverLines.rbegin(); line != exchange.serverLines.rend(); ++line) {
        const size_t at = line->find("[APPENDUID ");
        if (at == std::string::npos)
            continue;
        const size_t second = line->find(' ', at + 11);
        const size_t close = line->find(']', at);
        if (second != std::string::npos && close != std::string::npos && second < close)
            return line->substr(second + 1, close - second - 1);
    }
    return {};
}

std::string quoted(const std::string& name) {
    std::string text = "\"";
    for (const char c : name) {
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

} // namespace

int defaultPort(Security security) {
    return security == Security::SslTls ? 993 : 143;
}

UploadError::UploadError(Failure failure, std::string serverWords, std::string presentedCertificate,
                         std::string detail)
    : std::runtime_error(serverWords.empty() ? detail : serverWords), failure_(failure),
      serverWords_(std::move(serverWords)), presentedCertificate_(std::move(presentedCertificate)),
      detail_(std::move(detail)) {}

UploadResult upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                    const std::function<void(double)>& progress) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised)
        throw UploadError(Failure::Other, {}, {}, "the network library could not start");
    if (request.trustedCertificate.size() && normalFingerprint(request.trustedCertificate).empty())
        throw UploadError(Failure::Other, {}, {},
                          "the trusted certificate's fingerprint is not one");
    UploadRequest checked = request;
    checked.trustedCertificate = normalFingerprint(request.trustedCertificate);
    Connection connection(checked, cancelled, progress);

    UploadResult result;
    if (request.folder == FolderKind::Named) {
        result.folder = request.folderName;
    } else {
        connection.runOrFail({}, "LIST \"\" \"*\" RETURN (SPECIAL-USE)", Failure::Other);
        const std::vector<Mailbox> boxes = mailboxesIn(connection.exchange().body);
        const bool drafts = request.folder == FolderKind::Drafts;
        const char* usualName = drafts ? "Drafts" : "Templates";
        for (const Mailbox& box : boxes)
            if (drafts && box.flags.find("\\Drafts") != std::string::npos)
                result.folder = box.name;
        for (const Mailbox& box : boxes)
            if (result.folder.empty() && sameName(box.name, usualName))
                result.folder = box.name;
        if (result.folder.empty()) {
            connection.runOrFail({}, "CREATE " + quoted(usualName), Failure::FolderNotCreatable);
            result.folder = usualName;
        }
        result.markedDraft = drafts;
    }
    connection.runOrFail(result.folder, {}, Failure::FolderMissing);
    if (result.markedDraft) {
        const std::string uid = appendedUid(connection.exchange());
        if (!uid.empty())
            connection.runOrFail(result.folder, "UID STORE " + uid + " +FLAGS (\\Draft)",
                                 Failure::Other);
        else
            result.markedDraft = false;
    }
    return result;
}

std::string normalFingerprint(const std::string& written) {
    std::string digits;
    for (const char c : written) {
        if (c == ':' || c == ' ')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
        digits += char(std::toupper(static_cast<unsigned char>(c)));
    }
    if (digits.size() != 64)
        return {};
    std::string text;
    for (size_t i = 0; i < digits.size(); i += 2)
        text += (i ? ":" : "") + digits.substr(i, 2);
    return text;
}

std::string readableFolderName(const std::string& imapName) {
    std::string out;
    for (size_t i = 0; i < imapName.size(); ++i) {
        if (imapName[i] != '&') {
            out += imapName[i];
            continue;
        }
        const size_t end = imapName.find('-', i);
        if (end == std::string::npos)
            return imapName;
        if (end == i + 1) { // "&-" is "&"
            out += '&';
            i = end;
            continue;
        }
        // Modified base64 (',' for '/') of UTF-16 big-endian.
        static const std::string alphabet =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+,";
        std::vector<unsigned char> bytes;
        unsigned bits = 0, value = 0;
        for (size_t j = i + 1; j < end; ++j) {
            const size_t digit = alphabet.find(imapName[j]);
            if (digit == std::string::npos)
                return imapName;
            value = (value << 6) | unsigned(digit);
            bits += 6;
            if (bits >= 8) {
                bits -= 8;
                bytes.push_back(static_cast<unsigned char>(value >> bits));
            }
        }
        for (size_t k = 0; k + 1 < bytes.size(); k += 2) {
            unsigned code = unsigned(bytes[k]) << 8 | bytes[k + 1];
            if (code >= 0xD800 && code < 0xDC00 && k + 3 < bytes.size()) {
                const unsigned low = unsigned(bytes[k + 2]) << 8 | bytes[k + 3];
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                k += 2;
            }
            if (code < 0x80) {
                out += char(code);
            } else if (code < 0x800) {
                out += char(0xC0 | code >> 6), out += char(0x80 | (code & 0x3F));
            } else if (code < 0x10000) {
                out += char(0xE0 | code >> 12), out += char(0x80 | ((code >> 6) & 0x3F));
                out += char(0x80 | (code & 0x3F));
            } else {
                out += char(0xF0 | code >> 18), out += char(0x80 | ((code >> 12) & 0x3F));
                out += char(0x80 | ((code >> 6) & 0x3F)), out += char(0x80 | (code & 0x3F));
            }
        }
        i = end;
    }
    return out;
}

} // namespace mail_account
