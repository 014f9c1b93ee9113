#pragma once

#include "mail_account/mail_service.h"

namespace mail_account {

// The upload itself, over libcurl: what the mail module holds. The passwords are the
// KeyringService's, which LoadedMailService asks.
class DirectMailService : public MailService {
public:
    Outcome upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                   const std::function<void(double sent)>& progress) override;
    std::optional<QString> readPassword(const Account&) override { return std::nullopt; }
    std::optional<QString> writePassword(const Account&, const QString&) override;
    void forgetPassword(const Account&) override {}
    void prepare() override { prepareUpload(); }
};

} // namespace mail_account
