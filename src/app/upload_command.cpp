#include "app/upload_command.h"

#include "app/loaded_modules.h"
#include "mail_account/account_settings.h"
#include "mail_account/failure_words.h"
#include "mail_account/loaded_mail_service.h"
#include "platform/error_words.h"
#include "platform/export_guards.h"
#include "platform/file_system_paths.h"
#include "stationery/export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace command_line {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("command_line", text);
}

int fail(const QString& reason) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                 qUtf8Printable(reason));
    return 1;
}

// The account an imaps://USER@HOST[:PORT]/FOLDER address names. The user name runs to
// the last "@" (an e-mail address is a user name), and %-escapes in it are decoded.
struct AccountAddress {
    mail_account::Account account;
    QString folder;
    bool hasPassword = false;
};

std::optional<AccountAddress> accountAddress(const QString& text) {
    const qsizetype schemeEnd = text.indexOf(QLatin1String("://"));
    if (schemeEnd < 0)
        return std::nullopt;
    const QString scheme = text.left(schemeEnd).toLower();
    if (scheme != QLatin1String("imaps") && scheme != QLatin1String("imap"))
        return std::nullopt;
    const qsizetype authorityStart = schemeEnd + 3;
    qsizetype pathStart = text.indexOf(QLatin1Char('/'), authorityStart);
    if (pathStart < 0)
        pathStart = text.size();
    const QString authority = text.mid(authorityStart, pathStart - authorityStart);
    const qsizetype at = authority.lastIndexOf(QLatin1Char('@'));
    if (at <= 0)
        return std::nullopt;
    QString user = authority.left(at);
    AccountAddress address;
    if (const qsizetype colon = user.indexOf(QLatin1Char(':')); colon >= 0) {
        address.hasPassword = colon + 1 < user.size();
        user.truncate(colon);
    }
    // The rest, without the user, is an ordinary address.
    const QUrl hostPart(scheme + QLatin1String("://") + authority.mid(at + 1) + text.mid(pathStart),
                        QUrl::StrictMode);
    if (!hostPart.isValid() || hostPart.host().isEmpty() || user.isEmpty())
        return std::nullopt;
    mail_account::Account& account = address.account;
    account.security = scheme == QLatin1String("imaps") ? mail_account::Security::SslTls
                                                        : mail_account::Security::StartTls;
    account.host = hostPart.host().toStdString();
    account.port = hostPart.port(mail_account::defaultPort(account.security));
    account.user = QUrl::fromPercentEncoding(user.toUtf8()).toStdString();
    address.folder = hostPart.path(QUrl::FullyDecoded).mid(1);
    return address;
}

} // namespace

int upload(const UploadArguments& arguments) {
    // The network library loads while the template is prepared.
    mail_account::LoadedMailService mail(QStringLiteral("stationery-mail"),
                                         mail_account::LoadedMailService::usualFolders());
    mail.loadInBackground();
    const std::optional<AccountAddress> address = accountAddress(arguments.url);
    if (!address)
        return fail(tr("\"%1\" is not an account: write imaps://USER@HOST[:PORT]/FOLDER.")
                        .arg(QUrl(arguments.url).toString(QUrl::RemovePassword)));
    if (address->hasPassword)
        return fail(tr("A password never goes on the command line: the keyring or "
                       "--password-stdin gives it."));
    mail_account::UploadRequest request;
    request.account = address->account;
    const QString& folder = address->folder;
    if (folder.isEmpty()) {
        request.folder = mail_account::FolderKind::Drafts;
    } else if (folder.compare(QLatin1String("Templates"), Qt::CaseInsensitive) == 0) {
        request.folder = mail_account::FolderKind::Templates;
    } else {
        request.folder = mail_account::FolderKind::Named;
        request.folderName = folder.toStdString();
    }
    // A certificate trusted in the window counts here too, unless another is given.
    request.trustedCertificate = mail_account::AccountSettings::trustedCertificate(request.account);
    if (!arguments.trustedCertificate.isEmpty()) {
        request.trustedCertificate =
            mail_account::normalFingerprint(arguments.trustedCertificate.toStdString());
        if (request.trustedCertificate.empty())
            return fail(tr("--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal "
                           "digits, colons optional."));
    }

    // The template, checked as Export checks it, is made while the connection is set
    // up, and written straight into it.
    stationery::StationerySettings settings;
    try {
        settings = stationery::stationeryToExport(
            fileSystemPath(arguments.file),
            platform::exportGuards(&program_modules::pictureProblem));
    } catch (const std::exception& error) {
        return fail(errorWords(error));
    }
    // The same mark as the window gives the file: a later copy finds this one.
    request.mark =
        mail_account::markFor(QFileInfo(arguments.file).absoluteFilePath().toStdString());
    request.earlier = mail_account::Earlier::Keep;
    // What the guards need from Qt is looked up here: the template is made on a thread
    // of its own while the connection is set up.
    request.message = mail_account::MessageSource::later([&mail, settings, mark = request.mark,
                                                          guards = platform::exportGuards(
                                                              &program_modules::pictureProblem)] {
        // The connection waits for the network library, the message only once the
        // server has taken the password: the library loads first, then the picture
        // loader, which would otherwise hold up the loader the connection waits for.
        mail.waitUntilLoaded();
        try {
            const stationery::StreamedContents message = stationery::messageTemplate(
                settings, guards, stationery::accountCopyOf(settings, mark));
            return mail_account::MessageSource(message.size, withFailuresInWords(message.produce));
        } catch (const std::exception& error) {
            throw std::runtime_error(errorWords(error).toStdString());
        }
    });

    // A password given on standard input is used as it is: the keyring is not asked.
    if (arguments.passwordFromInput) {
        std::getline(std::cin, request.password);
        if (!request.password.empty() && request.password.back() == '\r')
            request.password.pop_back();
    } else if (const auto saved = mail.readPassword(request.account)) {
        request.password = saved->toStdString();
    } else if (const QString failure = mail.keyringFailure(); !failure.isEmpty()) {
        return fail(tr("The keyring could not be asked for the password of %1: its module "
                       "could not be loaded (%2). Give the password on standard input with "
                       "--password-stdin.")
                        .arg(mail_account::accountName(request.account), failure));
    } else {
        return fail(tr("No password for %1: save it from the window (File > Put in Mail "
                       "Account, \"Remember in the system keyring\"), or give it on standard "
                       "input with --password-stdin.")
                        .arg(mail_account::accountName(request.account)));
    }

    const std::atomic<bool> cancelled = false;
    const auto outcome = mail.upload(request, cancelled, {});
    if (const auto* result = std::get_if<mail_account::UploadResult>(&outcome)) {
        std::printf("%s\n",
                    qUtf8Printable(tr("Put in the folder \"%1\" of %2.")
                                       .arg(QString::fromStdString(mail_account::plainWords(
                                                mail_account::readableFolderName(result->folder))),
                                            mail_account::accountName(request.account))));
    } else {
        const auto& error = std::get<mail_account::UploadError>(outcome);
        QString words = mail_account::failureWords(error, request.account);
        if (error.failure() == mail_account::Failure::CertificateNotTrusted)
            words += tr(" If it is your server's, give --trust-certificate %1.")
                         .arg(QString::fromStdString(error.presentedCertificate()));
        return fail(words);
    }
    return 0;
}

} // namespace command_line
