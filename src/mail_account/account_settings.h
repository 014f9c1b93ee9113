#pragma once

#include "mail_account/imap_upload.h"

#include <QSettings>
#include <QString>

namespace mail_account {

// What is remembered of the user's mail account between sessions, in one place for the
// window and the command line: the account, the folder, whether the password is kept
// in the keyring, and the certificates the user chose to trust, by server and port.
// Never the password.
class AccountSettings {
public:
    static QSettings store();

    struct Remembered {
        Account account;
        FolderKind folder = FolderKind::Templates;
        bool rememberPassword = false;
    };
    static Remembered load();
    static void save(const Remembered& remembered);

    // The SHA-256 fingerprint the user trusts for the account's server and port; empty
    // for none.
    static std::string trustedCertificate(const Account& account);
    static void trustCertificate(const Account& account, const std::string& fingerprint);
};

} // namespace mail_account
