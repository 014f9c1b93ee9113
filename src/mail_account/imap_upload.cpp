#include "mail_account/imap_upload.h"
#include "mail_account/message_pipe.h"
#include "mail_account/server_answers.h"

#include <curl/curl.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
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
    MessagePipe* pipe = nullptr; // while a message goes
    std::uint64_t given = 0;
    const std::atomic<bool>* cancelled;
    const std::function<void(double)>* progress;
};

size_t readMessage(char* buffer, size_t size, size_t count, void* sendingPointer) {
    auto* sending = static_cast<Sending*>(sendingPointer);
    const size_t piece = sending->pipe->read(buffer, size * count);
    if (piece == 0 && !sending->pipe->failure().empty())
        return CURL_READFUNC_ABORT;
    sending->given += piece;
    return piece;
}

int watchTransfer(void* sendingPointer, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent) {
    auto* sending = static_cast<Sending*>(sendingPointer);
    if (*sending->progress && total > 0)
        (*sending->progress)(double(sent) / double(total));
    return sending->cancelled->load() ? 1 : 0;
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
          curl_(curl_easy_init(), curl_easy_cleanup), sending_{nullptr, 0, &cancelled, &progress} {
        if (!curl_)
            throw UploadError(Failure::Other, {}, {}, "the network library could not start");
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
        // Without the system's list of trusted certificates (no ca-certificates), every
        // certificate is one the system does not trust, which the user may still trust
        // by its fingerprint; the library would refuse to start instead.
        if (const char* bundle = curl_version_info(CURLVERSION_NOW)->cainfo;
            bundle && !std::filesystem::exists(bundle))
            curl_easy_setopt(curl, CURLOPT_CAINFO, nullptr);
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_FUNCTION, setUpTls);
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_DATA, &exchange_);
        curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L); // only for the debug callback
        curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, keepServerLines);
        curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &exchange_);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keepBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &exchange_);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, request_.connectSeconds);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, watchTransfer);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &sending_);
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error_);
        error_[0] = '\0';
        exchange_.body.clear();
        exchange_.serverLines.clear();
        if (!command.empty()) {
            curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, command.c_str());
            return curl_easy_perform(curl);
        }
        MessagePipe pipe(request_.message);
        sending_.pipe = &pipe;
        sending_.given = 0;
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_UPLOAD_BUFFERSIZE, 512L * 1024); // fewer, larger writes
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, readMessage);
        curl_easy_setopt(curl, CURLOPT_READDATA, &sending_);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(request_.message.size()));
        const CURLcode code = curl_easy_perform(curl);
        messageFailure_ = pipe.failure();
        sending_.pipe = nullptr;
        return code;
    }

    // Runs it, and throws the failure in plain terms; `onRefusal` is the failure when
    // the server says no.
    void runOrFail(const std::string& folder, const std::string& command, Failure onRefusal) {
        const CURLcode code = run(folder, command);
        if (code != CURLE_OK)
            throw failureFor(code, onRefusal);
    }

    const Exchange& exchange() const { return exchange_; }
    // Whether the whole message went out in the last upload.
    bool sentWhole() const { return sending_.given == request_.message.size(); }

private:
    UploadError failureFor(CURLcode code, Failure onRefusal) const {
        const std::string words = plainWords(lastRefusal(exchange_.serverLines));
        const std::string detail = plainWords(error_[0] ? error_ : curl_easy_strerror(code));
        if (!messageFailure_.empty())
            return {Failure::MessageNotWritten, {}, {}, messageFailure_};
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
            // A plain-text port answered the TLS greeting.
            if (contains(detail, "wrong version number") || contains(detail, "packet length"))
                return {Failure::ExpectsStartTls, {}, {}, detail};
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
    std::string messageFailure_;
    char error_[CURL_ERROR_SIZE] = {};
};

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
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

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

// Refuses text that would end an IMAP command early or start another one.
void refuseControlCharacters(const UploadRequest& request) {
    const std::pair<const std::string*, const char*> fields[] = {{&request.account.host, "server"},
                                                                 {&request.account.user, "user"},
                                                                 {&request.password, "password"},
                                                                 {&request.folderName, "folder"}};
    for (const auto& [text, field] : fields)
        if (hasControlCharacter(*text))
            throw UploadError(Failure::ControlCharacter, {}, {}, field);
}

struct FolderChoice {
    std::string name; // as the server writes it
    bool subscribed = false;
    bool made = false;
};

// The folder the request names, found on the server or made there.
FolderChoice chooseFolder(Connection& connection, const UploadRequest& request) {
    connection.runOrFail({}, "LIST \"\" \"*\" RETURN (SPECIAL-USE SUBSCRIBED)", Failure::Other);
    const std::vector<Mailbox> boxes = mailboxesIn(connection.exchange().body);
    const auto subscribed = [](const Mailbox& box) {
        return contains(box.flags, "\\subscribed");
    };
    if (request.folder == FolderKind::Named) {
        const std::string wanted = imapFolderName(request.folderName);
        for (const Mailbox& box : boxes)
            if (box.name == wanted)
                return {box.name, subscribed(box)};
        // A folder the listing left out is taken as there; APPEND says when it is not.
        return {wanted, false};
    }
    const bool drafts = request.folder == FolderKind::Drafts;
    const char* usualName = drafts ? "Drafts" : "Templates";
    for (const Mailbox& box : boxes)
        if (drafts && contains(box.flags, "\\drafts"))
            return {box.name, subscribed(box)};
    for (const Mailbox& box : boxes)
        if (sameName(box.name, usualName))
            return {box.name, subscribed(box)};
    try {
        connection.runOrFail({}, "CREATE " + quoted(usualName), Failure::FolderNotCreatable);
    } catch (const UploadError& failure) {
        // A folder the listing did not name readably (a literal) is there all the same.
        if (!contains(failure.serverWords(), "alreadyexists"))
            throw;
        return {usualName, false, false};
    }
    return {usualName, false, true};
}

// The numbers of the folder's earlier copies of this stationery; none when the request
// looks for none, the folder is new or the server cannot search.
std::vector<std::string> earlierCopies(Connection& connection, const UploadRequest& request,
                                       const FolderChoice& folder) {
    if (request.mark.empty() || request.earlier == Earlier::Keep || folder.made)
        return {};
    std::string mark;
    for (const char c : request.mark)
        if (std::isalnum(static_cast<unsigned char>(c)))
            mark += c;
    if (connection.run(folder.name, "UID SEARCH HEADER " + std::string(kMarkHeader) + " " + mark) !=
        CURLE_OK)
        return {};
    return searchedUids(connection.exchange().body);
}

UploadResult uploadOnce(const UploadRequest& request, const std::atomic<bool>& cancelled,
                        const std::function<void(double)>& progress) {
    refuseControlCharacters(request);
    if (request.trustedCertificate.size() && normalFingerprint(request.trustedCertificate).empty())
        throw UploadError(Failure::Other, {}, {},
                          "the trusted certificate's fingerprint is not one");
    UploadRequest checked = request;
    checked.trustedCertificate = normalFingerprint(request.trustedCertificate);
    Connection connection(checked, cancelled, progress);

    const FolderChoice folder = chooseFolder(connection, checked);
    try {
        checked.message.size(); // a message made meanwhile is ready, or failed
    } catch (const std::exception& failure) {
        throw UploadError(Failure::MessageNotWritten, {}, {}, plainWords(failure.what()));
    }
    UploadResult result{folder.name, false, 0};
    const std::vector<std::string> earlier = earlierCopies(connection, checked, folder);
    if (!earlier.empty() && request.earlier == Earlier::Ask)
        throw UploadError(Failure::EarlierCopy, {}, {}, std::to_string(earlier.size()))
            .after(Kept::No, folder.name);
    try {
        connection.runOrFail(folder.name, {}, Failure::FolderMissing);
    } catch (UploadError& failure) {
        // Gone after the whole message went, before the server's answer came.
        const bool maybeKept =
            connection.sentWhole() && (failure.failure() == Failure::ConnectionLost ||
                                       failure.failure() == Failure::TimedOut);
        throw failure.after(maybeKept ? Kept::Unknown : Kept::No, folder.name);
    }
    // From here on the folder holds the message, whatever fails: each later step's
    // failure says which step it was.
    const std::optional<std::string> uid = appendedUid(connection.exchange().serverLines);
    const auto step = [&](Failure failed, const std::function<void()>& work) {
        try {
            work();
        } catch (const UploadError& failure) {
            const Failure said =
                failure.failure() == Failure::Cancelled ? Failure::Cancelled : failed;
            throw UploadError(said, failure.serverWords(), {}, failure.detail())
                .after(Kept::Yes, folder.name);
        }
    };
    if (!folder.subscribed)
        connection.run({}, "SUBSCRIBE " + quoted(folder.name)); // a courtesy: no failure
    if (request.folder == FolderKind::Drafts && uid)
        step(Failure::NotMarkedDraft, [&] {
            connection.runOrFail(folder.name, "UID STORE " + *uid + " +FLAGS (\\Draft)",
                                 Failure::NotMarkedDraft);
            result.markedDraft = true;
        });
    if (!earlier.empty() && request.earlier == Earlier::Replace)
        step(Failure::EarlierNotRemoved, [&] {
            std::string set;
            for (const std::string& each : earlier)
                set += (set.empty() ? "" : ",") + each;
            connection.runOrFail(folder.name, "UID STORE " + set + " +FLAGS.SILENT (\\Deleted)",
                                 Failure::EarlierNotRemoved);
            connection.runOrFail(folder.name, "UID EXPUNGE " + set, Failure::EarlierNotRemoved);
            result.replaced = earlier.size();
        });
    return result;
}

} // namespace

bool prepareUpload() {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return initialised;
}

UploadResult upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                    const std::function<void(double)>& progress) {
    if (!prepareUpload())
        throw UploadError(Failure::Other, {}, {}, "the network library could not start");
    try {
        return uploadOnce(request, cancelled, progress);
    } catch (const UploadError&) {
        throw;
    } catch (const std::exception& error) {
        throw UploadError(Failure::Other, {}, {}, plainWords(error.what()));
    } catch (...) {
        throw UploadError(Failure::Other, {}, {}, "an unexpected fault");
    }
}

} // namespace mail_account
