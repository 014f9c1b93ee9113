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

namespace {

QString fieldName(const std::string& field) {
    if (field == "server")
        return tr("server name");
    if (field == "user")
        return tr("user name");
    if (field == "password")
        return tr("password");
    return tr("folder name");
}

// Why the upload did not happen, when the server kept nothing.
QString notPutWords(const UploadError& error, const Account& account) {
    const QString server = QString::fromStdString(account.host);
    const QString words = QString::fromStdString(error.serverWords());
    const QString detail = QString::fromStdString(error.detail());
    const QString said = words.isEmpty() ? QString() : tr(" The server said: \"%1\".").arg(words);
    const QString library = detail.isEmpty() ? QString() : tr(" (%1)").arg(detail);
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
               library;
    case Failure::TimedOut:
        if (account.security == Security::StartTls && words.isEmpty())
            return tr("%1 said nothing on port %2. If this port expects SSL/TLS (as port 993 "
                      "does), choose SSL/TLS.")
                       .arg(server)
                       .arg(account.port) +
                   library;
        return tr("%1 did not answer in time.").arg(server) + said;
    case Failure::ExpectsStartTls:
        return tr("Port %1 of %2 does not start with encryption: it expects STARTTLS. Choose "
                  "STARTTLS, or port 993 with SSL/TLS.")
                   .arg(account.port)
                   .arg(server) +
               library;
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
    case Failure::EarlierCopy:
        return tr("An earlier copy of this stationery is in the folder \"%1\".")
            .arg(QString::fromStdString(readableFolderName(error.folder())));
    case Failure::EarlierNotRemoved:
    case Failure::NotMarkedDraft:
        break; // only after the message was kept
    case Failure::ControlCharacter:
        return tr("The %1 holds a line break or another control character, which cannot be "
                  "sent to a mail server: type it again. Nothing was sent.")
            .arg(fieldName(error.detail()));
    case Failure::MessageNotWritten:
        return tr("The message could not be made, so the server kept nothing: %1").arg(detail);
    case Failure::Other:
        break;
    }
    return tr("The message could not be put on %1: %2")
        .arg(server, words.isEmpty() ? detail : words);
}

} // namespace

QString failureWords(const UploadError& error, const Account& account) {
    const QString server = QString::fromStdString(account.host);
    const QString folder = QString::fromStdString(readableFolderName(error.folder()));
    const QString words = QString::fromStdString(error.serverWords());
    const QString reason = words.isEmpty() ? QString::fromStdString(error.detail()) : words;
    switch (error.kept()) {
    case Kept::No:
        return notPutWords(error, account);
    case Kept::Unknown:
        return tr("The connection to %1 was lost after the whole message was sent, before the "
                  "server said whether it kept it. Look in the folder \"%2\" before you try "
                  "again.")
            .arg(server, folder);
    case Kept::Yes:
        break;
    }
    if (error.failure() == Failure::Cancelled)
        return tr("Too late to cancel: the stationery is already in the folder \"%1\".")
            .arg(folder);
    if (error.failure() == Failure::EarlierNotRemoved)
        return tr("The stationery is in the folder \"%1\", but the earlier copy could not be "
                  "taken out: %2")
            .arg(folder, reason);
    return tr("The stationery is in the folder \"%1\", but could not be marked as a draft: %2")
        .arg(folder, reason);
}

} // namespace mail_account
