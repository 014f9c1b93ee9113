#include "mail_account/direct_mail_service.h"

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

std::optional<QString> DirectMailService::writePassword(const Account&, const QString&) {
    return QStringLiteral("the mail module keeps no passwords");
}

} // namespace mail_account
