#pragma once

#include "mail_account/server_answers.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mail_account {

// How the connection is encrypted. There is no unencrypted choice: STARTTLS is
// required, and a server that does not offer it is refused before the password goes.
enum class Security { SslTls, StartTls };

struct Account {
    std::string host;
    int port = 993;
    Security security = Security::SslTls;
    std::string user;
};

// The port each kind of security uses unless told otherwise.
int defaultPort(Security security);

// Where the message goes: the account's templates folder ("Templates", made when there
// is none), its drafts folder (the one the server marks \Drafts; "Drafts" only where
// none is marked) or a folder named outright.
enum class FolderKind { Templates, Drafts, Named };

// The message to put, as its writer produces it: `produce` hands every piece, CR LF
// line ends, `size` bytes in all, to the function it is given, and throws when the
// message cannot be written. It may be asked again when an upload is tried again.
class MessageSource {
public:
    using Piece = std::function<void(std::string_view piece)>;
    using Produce = std::function<void(const Piece& take)>;

    MessageSource() = default;
    MessageSource(std::uint64_t size, Produce produce);
    static MessageSource of(std::string message);
    // A message made by `make` on a thread of its own, started now, so that it is
    // made while the connection is set up. What `make` throws fails the upload
    // (Failure::MessageNotWritten).
    static MessageSource later(std::function<MessageSource()> make);

    // Both wait for a message made later, and throw what making it threw.
    std::uint64_t size() const;
    void produce(const Piece& take) const;

private:
    struct Made;
    std::shared_ptr<Made> made_;
};

// What becomes of an earlier copy of the same stationery in the folder (one whose
// kMarkHeader carries the request's mark): the upload stops to ask (UploadError with
// Failure::EarlierCopy), replaces it once the new one is stored, or keeps it.
enum class Earlier { Ask, Replace, Keep };

// The header by which a copy put in an account is found again.
inline constexpr std::string_view kMarkHeader = "X-Stationery-Editor-Id";

// The mark for the stationery `key` names (its file, else its title): the same key,
// the same mark, and nothing of the key can be read from it.
std::string markFor(std::string_view key);

struct UploadRequest {
    Account account;
    std::string password;
    FolderKind folder = FolderKind::Templates;
    std::string folderName; // for FolderKind::Named, UTF-8
    // The SHA-256 fingerprint ("AB:CD:…") of a certificate the user chose to trust
    // for this server, which the system does not; empty for none.
    std::string trustedCertificate;
    MessageSource message;
    std::string mark; // as the message's kMarkHeader says; empty: no earlier copy looked for
    Earlier earlier = Earlier::Ask;
    // How long the server may take to connect and greet.
    long connectSeconds = 20;
};

struct UploadResult {
    std::string folder; // the folder's name on the server
    bool markedDraft = false;
    std::size_t replaced = 0; // earlier copies taken out
};

enum class Failure {
    WrongLogin,
    HostNotFound,
    ConnectionRefused,
    TimedOut,
    ExpectsStartTls,       // SSL/TLS asked of a port that speaks plain text first
    CertificateNotTrusted, // presentedCertificate: its fingerprint
    CertificateChanged,    // presentedCertificate, and the trusted one asked for
    NoTls,                 // the server offers no TLS; nothing was sent
    FolderMissing,
    FolderNotCreatable,
    OverQuota,
    ConnectionLost,
    Cancelled,
    EarlierCopy,       // the folder holds an earlier copy; detail: how many
    EarlierNotRemoved, // the new copy is stored, the earlier one still there
    NotMarkedDraft,    // stored in the drafts folder, without the \Draft flag
    ControlCharacter,  // in the field the detail names: "server", "user", "password", "folder"
    MessageNotWritten, // the message itself could not be made; the detail says why
    Other,
};

// Whether the server kept the message when the upload failed after all: the folder
// holds it when the server accepted it and only a later step failed, and it may hold
// it when the connection went after the whole message was sent.
enum class Kept { No, Yes, Unknown };

// Why an upload failed, with the server's own words where it gave any (control
// characters taken out). Never holds the password.
class UploadError : public std::runtime_error {
public:
    UploadError(Failure failure, std::string serverWords, std::string presentedCertificate = {},
                std::string detail = {});
    Failure failure() const { return failure_; }
    Kept kept() const { return kept_; }
    // The folder the message went to, as the server names it, once one was chosen.
    const std::string& folder() const { return folder_; }
    UploadError& after(Kept kept, std::string folder) {
        kept_ = kept;
        folder_ = std::move(folder);
        return *this;
    }
    // The server's last refusal ("Quota exceeded (mailbox for user is full)"); may be
    // empty.
    const std::string& serverWords() const { return serverWords_; }
    const std::string& presentedCertificate() const { return presentedCertificate_; }
    // The transport's own reason, when there is no server word ("Connection refused").
    const std::string& detail() const { return detail_; }

private:
    Failure failure_;
    std::string serverWords_;
    std::string presentedCertificate_;
    std::string detail_;
    Kept kept_ = Kept::No;
    std::string folder_;
};

// Appends the message to the folder over IMAP (libcurl), TLS only: the certificate
// must be one the system trusts, or exactly the one the request trusts. A folder the
// upload makes, or uses unsubscribed, is subscribed, since many clients list only
// those. In the drafts folder the message gets the \Draft flag. APPEND is all or
// nothing on the server, so a failure or `cancelled` set while the message goes leaves
// none; a failure after it was kept says so (UploadError::kept). `progress` gets the
// share of the message sent, 0 to 1. A control character in the account's fields or
// the folder is refused before connecting. Blocks: run it off the window's thread.
// Throws UploadError, and nothing else.
UploadResult upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                    const std::function<void(double sent)>& progress = {});

// Sets up the network library (OpenSSL among it) ahead of the first upload, which
// does it otherwise; false when it cannot be.
bool prepareUpload();

// "AB:CD:…" from a fingerprint written with or without colons, in either case; empty
// when it is not 64 hexadecimal digits.
std::string normalFingerprint(const std::string& written);

} // namespace mail_account
