#include "mail_account/password_store.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace mail_account {

namespace {

const QString kService = QStringLiteral("stationery-editor");

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
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(keyFor(account));
    finish(job);
    if (job.error() != QKeychain::NoError)
        return std::nullopt;
    return job.textData();
}

std::optional<QString> PasswordStore::write(const Account& account, const QString& password) {
    QKeychain::WritePasswordJob job(kService);
    job.setKey(keyFor(account));
    job.setTextData(password);
    finish(job);
    if (job.error() != QKeychain::NoError)
        return job.errorString();
    return std::nullopt;
}

void PasswordStore::forget(const Account& account) {
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(keyFor(account));
    finish(job);
}

} // namespace mail_account
