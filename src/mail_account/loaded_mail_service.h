#pragma once

#include "mail_account/mail_service.h"

#include <QCoreApplication>
#include <QStringList>

#include <future>
#include <memory>
#include <mutex>

namespace mail_account {

// The mail service from the module `moduleName` in the first of `folders` that has it,
// loaded at first use; the passwords from the keyring's module, loaded only when one
// is read or kept. When a module does not load, an upload fails with the loader's
// words and no password is found.
class LoadedMailService : public MailService {
    Q_DECLARE_TR_FUNCTIONS(LoadedMailService)
public:
    LoadedMailService(QString moduleName, QStringList folders);
    ~LoadedMailService() override;

    // The module's usual places: beside the program in the build, the library folder
    // once installed.
    static QStringList usualFolders();

    // Starts loading the module on a thread of its own, so that it is there when an
    // upload starts (the network library takes a moment to load and set up).
    void loadInBackground();
    void prepare() override { loadInBackground(); }
    // Loads the module now, or waits while that thread loads it.
    void waitUntilLoaded() { loaded(); }
    // Why the keyring's module did not load, once it was asked for; else empty.
    QString keyringFailure() const { return passwords_.failure; }

    Outcome upload(const UploadRequest& request, const std::atomic<bool>& cancelled,
                   const std::function<void(double sent)>& progress) override;
    std::optional<QString> readPassword(const Account& account) override;
    std::optional<QString> writePassword(const Account& account, const QString& password) override;
    void forgetPassword(const Account& account) override;

private:
    // A module's service, made at first use by whichever thread asks first.
    struct Loaded {
        std::once_flag once;
        std::unique_ptr<MailService> service;
        QString failure;
    };
    MailService* load(Loaded& module, const QString& name, const char* factory);
    MailService* loaded() { return load(uploads_, moduleName_, kMailServiceFactory); }
    MailService* keyring();

    QString moduleName_;
    QStringList folders_;
    std::future<void> background_;
    Loaded uploads_;
    Loaded passwords_;
};

} // namespace mail_account
