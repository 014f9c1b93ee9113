#pragma once

#include "mail_account/mail_service.h"

namespace mail_account {

// The service itself, over libcurl and QtKeychain: what the module holds, and what
// the tests use directly.
class DirectMailService : public MailService {
public:
    Outcome upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                   const std::function<void(double sent)>& progress) override;
    std::optional<QString> readPassword(const Account& account) override;
    std::optional<QString> writePassword(const Account& account, const QString& password) override;
    void forgetPassword(const Account& account) override;
    void prepare() override { prepareUpload(); }
};

} // namespace mail_account
