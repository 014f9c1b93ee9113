#include "mail_account/direct_mail_service.h"

#include "mail_account/password_store.h"

namespace mail_account {

MailService::Outcome DirectMailService::upload(const UploadRequest& request,
                                               const std::atomic<bool>& cancelled,
                                               const std::function<void(double sent)>& progress) {
    try {
        return mail_account::upload(request, cancelled, progress);
    } catch (const UploadError& error) {
        return error;
    }
}

std::optional<QString> DirectMailService::readPassword(const Account& account) {
    return PasswordStore::read(account);
}

std::optional<QString> DirectMailService::writePassword(const Account& account,
                                                        const QString& password) {
    return PasswordStore::write(account, password);
}

void DirectMailService::forgetPassword(const Account& account) {
    PasswordStore::forget(account);
}

} // namespace mail_account
