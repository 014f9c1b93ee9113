#pragma once

#include "mail_account/mail_service.h"

namespace mail_account {

// The passwords alone, in the system keyring: a module of its own where the keyring
// needs libraries (QtKeychain, D-Bus) that an upload with a password given does not.
class KeyringService : public MailService {
public:
    Outcome upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                   const std::function<void(double sent)>& progress) override;
    std::optional<QString> readPassword(const Account& account) override;
    std::optional<QString> writePassword(const Account& account, const QString& password) override;
    void forgetPassword(const Account& account) override;
};

} // namespace mail_account
