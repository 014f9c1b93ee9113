#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

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

struct UploadRequest {
    Account account;
    std::string password;
    FolderKind folder = FolderKind::Templates;
    std::string folderName; // for FolderKind::Named
    // The SHA-256 fingerprint ("AB:CD:…") of a certificate the user chose to trust
    // for this server, which the system does not; empty for none.
    std::string trustedCertificate;
    std::string message; // the whole message, CR LF line ends
};

struct UploadResult {
    std::string folder; // the folder's name on the server
    bool markedDraft = false;
};

enum class Failure {
    WrongLogin,
    HostNotFound,
    ConnectionRefused,
    TimedOut,
    CertificateNotTrusted, // presentedCertificate: its fingerprint
    CertificateChanged,    // presentedCertificate, and the trusted one asked for
    NoTls,                 // the server offers no TLS; nothing was sent
    FolderMissing,
    FolderNotCreatable,
    OverQuota,
    ConnectionLost,
    Cancelled,
    Other,
};

// Why an upload failed, with the server's own words where it gave any. Never holds
// the password.
class UploadError : public std::runtime_error {
public:
    UploadError(Failure failure, std::string serverWords, std::string presentedCertificate = {},
                std::string detail = {});
    Failure failure() const { return failure_; }
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
};

// Appends the message to the folder over IMAP (libcurl), TLS only: the certificate
// must be one the system trusts, or exactly the one the request trusts. In the drafts
// folder the message gets the \Draft flag. APPEND is all or nothing on the server, so
// a failure or `cancelled` set meanwhile leaves no message. `progress` gets the share
// of the message sent, 0 to 1. Blocks: run it off the window's thread. Throws
// UploadError.
UploadResult upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                    const std::function<void(double sent)>& progress = {});

// "AB:CD:…" from a fingerprint written with or without colons, in either case; empty
// when it is not 64 hexadecimal digits.
std::string normalFingerprint(const std::string& written);

// Folder names as IMAP writes them (modified UTF-7, RFC 3501) made readable.
std::string readableFolderName(const std::string& imapName);

} // namespace mail_account
