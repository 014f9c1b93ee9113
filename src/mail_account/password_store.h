#pragma once

#include "mail_account/imap_upload.h"

#include <QString>

#include <optional>

namespace mail_account {

// Passwords in the system keyring (the Secret Service, through QtKeychain), one for
// each user at each server. Nothing else ever holds one but memory.
class PasswordStore {
public:
    // The saved password; nothing when there is none or no keyring answers.
    static std::optional<QString> read(const Account& account);
    // Saves it; the keyring's reason when it cannot.
    static std::optional<QString> write(const Account& account, const QString& password);
    static void forget(const Account& account);

private:
    static void forgetUnder(const QString& service, const Account& account);
};

} // namespace mail_account
