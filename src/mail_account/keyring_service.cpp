#include "mail_account/keyring_service.h"

#include "mail_account/password_store.h"

namespace mail_account {

MailService::Outcome KeyringService::upload(const UploadRequest&, const std::atomic<bool>&,
                                            const std::function<void(double sent)>&) {
    return UploadError(Failure::Other, {}, {}, "the keyring's module does not upload");
}

std::optional<QString> KeyringService::readPassword(const Account& account) {
    return PasswordStore::read(account);
}

std::optional<QString> KeyringService::writePassword(const Account& account,
                                                     const QString& password) {
    return PasswordStore::write(account, password);
}

void KeyringService::forgetPassword(const Account& account) {
    PasswordStore::forget(account);
}

} // namespace mail_account
