#include "mail_account/failure_words.h"

#include <QCoreApplication>

namespace mail_account {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("mail_account", text);
}

} // namespace

QString accountName(const Account& account) {
    return QString::fromStdString(account.user) + QLatin1Char('@') +
           QString::fromStdString(account.host);
}

QString failureWords(const UploadError& error, const Account& account) {
    const QString server = QString::fromStdString(account.host);
    const QString words = QString::fromStdString(error.serverWords());
    const QString detail = QString::fromStdString(error.detail());
    const QString said = words.isEmpty() ? QString() : tr(" The server said: \"%1\".").arg(words);
    switch (error.failure()) {
    case Failure::WrongLogin:
        return tr("%1 refused the user name or the password.").arg(server) + said +
               tr(" Gmail accepts only an app password here (made under Security in your Google "
                  "account, with 2-Step Verification on). Outlook.com accounts need a sign-in "
                  "method this program does not offer yet.");
    case Failure::HostNotFound:
        return tr("The server \"%1\" was not found: check its name and your connection.")
            .arg(server);
    case Failure::ConnectionRefused:
        return tr("%1 refused the connection on port %2: check the port and the security.")
                   .arg(server)
                   .arg(account.port) +
               (detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail));
    case Failure::TimedOut:
        return tr("%1 did not answer in time.").arg(server) + said;
    case Failure::CertificateNotTrusted:
        return tr("%1's certificate is not one this computer trusts (SHA-256 fingerprint %2).")
            .arg(server, QString::fromStdString(error.presentedCertificate()));
    case Failure::CertificateChanged:
        return tr("%1 sent a different certificate from the one you trusted: its SHA-256 "
                  "fingerprint is %2. Nothing was sent. Unless your provider says the "
                  "certificate changed, someone may be listening in.")
            .arg(server, QString::fromStdString(error.presentedCertificate()));
    case Failure::NoTls:
        return tr("%1 does not offer an encrypted connection on port %2, so nothing was sent, "
                  "the password least of all.")
            .arg(server)
            .arg(account.port);
    case Failure::FolderMissing:
        return tr("The folder is not on %1.").arg(server) + said;
    case Failure::FolderNotCreatable:
        return tr("The folder could not be made on %1.").arg(server) + said;
    case Failure::OverQuota:
        return tr("The account on %1 is full: delete some mail and try again.").arg(server) + said;
    case Failure::ConnectionLost:
        return tr("The connection to %1 was lost before the message was whole, so the server "
                  "kept none of it.")
                   .arg(server) +
               said;
    case Failure::Cancelled:
        return tr("Cancelled: the server kept nothing.");
    case Failure::Other:
        break;
    }
    return tr("The message could not be put on %1: %2")
        .arg(server, words.isEmpty() ? detail : words);
}

} // namespace mail_account
