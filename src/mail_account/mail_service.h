#pragma once

#include "mail_account/imap_upload.h"

#include <QString>

#include <optional>
#include <variant>

namespace mail_account {

// The mail account's work that needs the network and the keyring, behind one small
// interface: the program loads it from a module at first use (LoadedMailService), so
// that libcurl, OpenSSL, QtKeychain and D-Bus are not loaded at every start.
class MailService {
public:
    virtual ~MailService() = default;

    // As mail_account::upload: the result, or why it failed.
    using Outcome = std::variant<UploadResult, UploadError>;
    virtual Outcome upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                           const std::function<void(double sent)>& progress) = 0;

    // The password kept in the system keyring for the account; nothing when there is
    // none or no keyring answers.
    virtual std::optional<QString> readPassword(const Account& account) = 0;
    // Keeps it there; the keyring's reason when it cannot.
    virtual std::optional<QString> writePassword(const Account& account,
                                                 const QString& password) = 0;
    virtual void forgetPassword(const Account& account) = 0;

    // Gets ready for the first upload without waiting for it (loads what it needs).
    virtual void prepare() {}
};

// The names of the functions by which the modules hand out their services: the upload,
// and the passwords (whose service uploads nothing).
inline constexpr char kMailServiceFactory[] = "stationeryCreateMailService";
inline constexpr char kKeyringServiceFactory[] = "stationeryCreateKeyringService";

} // namespace mail_account
