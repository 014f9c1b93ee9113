#include "mail_account/loaded_mail_service.h"

#include <QDir>
#include <QLibrary>

namespace mail_account {

LoadedMailService::LoadedMailService(QString moduleName, QStringList folders)
    : moduleName_(std::move(moduleName)), folders_(std::move(folders)) {}

// The module stays loaded: the network library may still be winding down.
LoadedMailService::~LoadedMailService() {
    if (background_.valid())
        background_.wait();
}

void LoadedMailService::loadInBackground() {
    if (!background_.valid())
        background_ = std::async(std::launch::async, [this] {
            if (MailService* service = loaded())
                service->prepare();
        });
}

QStringList LoadedMailService::usualFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, programFolder + QStringLiteral("/../" STATIONERY_MODULE_DIR)};
}

MailService* LoadedMailService::load(Loaded& module, const QString& name, const char* factory) {
    // Uploads run off the window's thread: the first caller loads, any other waits.
    std::call_once(module.once, [&] {
        QStringList failures;
        for (const QString& folder : folders_) {
            QLibrary library(QDir(folder).filePath(name));
            using Factory = MailService* (*)();
            if (auto make = reinterpret_cast<Factory>(library.resolve(factory))) {
                module.service.reset(make());
                return;
            }
            failures << library.errorString();
        }
        module.failure = failures.isEmpty() ? name : failures.join(QStringLiteral("; "));
    });
    return module.service.get();
}

// On Windows the keyring is the system's Credential Manager, in the mail module itself.
MailService* LoadedMailService::keyring() {
#ifdef Q_OS_WIN
    return load(passwords_, moduleName_, kKeyringServiceFactory);
#else
    return load(passwords_, QStringLiteral("stationery-keyring"), kKeyringServiceFactory);
#endif
}

MailService::Outcome LoadedMailService::upload(const UploadRequest& request,
                                               const std::atomic<bool>& cancelled,
                                               const std::function<void(double sent)>& progress) {
    if (MailService* service = loaded())
        return service->upload(request, cancelled, progress);
    return UploadError(
        Failure::Other, {}, {},
        tr("the mail module could not be loaded (%1)").arg(uploads_.failure).toStdString());
}

std::optional<QString> LoadedMailService::readPassword(const Account& account) {
    if (MailService* service = keyring())
        return service->readPassword(account);
    return std::nullopt;
}

std::optional<QString> LoadedMailService::writePassword(const Account& account,
                                                        const QString& password) {
    if (MailService* service = keyring())
        return service->writePassword(account, password);
    return tr("the keyring's module could not be loaded (%1)").arg(passwords_.failure);
}

void LoadedMailService::forgetPassword(const Account& account) {
    if (MailService* service = keyring())
        service->forgetPassword(account);
}

} // namespace mail_account
