#include "mail_account/password_store.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace mail_account {

namespace {

// The keyring shows an entry by its service: it names the program and the account.
// Entries saved before under the program's bare name are still read, and go when the
// password is next saved or forgotten.
QString serviceFor(const Account& account) {
    return QStringLiteral("Stationery Editor: mail account %1@%2")
        .arg(QString::fromStdString(account.user), QString::fromStdString(account.host));
}
const QString kEarlierService = QStringLiteral("stationery-editor");

// One entry for each user at each server and port, whatever the security.
QString keyFor(const Account& account) {
    return QStringLiteral("imap:%1@%2:%3")
        .arg(QString::fromStdString(account.user), QString::fromStdString(account.host))
        .arg(account.port);
}

// Runs a keyring job to its end; the keyring answers over D-Bus.
void finish(QKeychain::Job& job) {
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

} // namespace

std::optional<QString> PasswordStore::read(const Account& account) {
    for (const QString& service : {serviceFor(account), kEarlierService}) {
        QKeychain::ReadPasswordJob job(service);
        job.setKey(keyFor(account));
        finish(job);
        if (job.error() == QKeychain::NoError)
            return job.textData();
    }
    return std::nullopt;
}

std::optional<QString> PasswordStore::write(const Account& account, const QString& password) {
    forgetUnder(kEarlierService, account);
    QKeychain::WritePasswordJob job(serviceFor(account));
    job.setKey(keyFor(account));
    job.setTextData(password);
    finish(job);
    if (job.error() != QKeychain::NoError)
        return job.errorString();
    return std::nullopt;
}

void PasswordStore::forget(const Account& account) {
    forgetUnder(serviceFor(account), account);
    forgetUnder(kEarlierService, account);
}

void PasswordStore::forgetUnder(const QString& service, const Account& account) {
    QKeychain::DeletePasswordJob job(service);
    job.setKey(keyFor(account));
    finish(job);
}

} // namespace mail_account
