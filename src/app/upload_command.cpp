#include "app/upload_command.h"

#include "mail_account/failure_words.h"
#include "mail_account/password_store.h"
#include "platform/export_guards.h"
#include "platform/file_system_paths.h"
#include "stationery/export.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>
#include <iostream>
#include <string>

namespace command_line {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("command_line", text);
}

int fail(const QString& reason) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(reason));
    return 1;
}

} // namespace

int upload(const UploadArguments& arguments) {
    const QUrl url(arguments.url, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("imaps") && scheme != QLatin1String("imap")) ||
        url.host().isEmpty() || url.userName().isEmpty())
        return fail(tr("\"%1\" is not an account: write imaps://USER@HOST[:PORT]/FOLDER.")
                        .arg(url.toString(QUrl::RemovePassword)));
    if (!url.password().isEmpty())
        return fail(tr("A password never goes on the command line: the keyring or "
                       "--password-stdin gives it."));
    mail_account::UploadRequest request;
    request.account.security = scheme == QLatin1String("imaps") ? mail_account::Security::SslTls
                                                                : mail_account::Security::StartTls;
    request.account.host = url.host().toStdString();
    request.account.port = url.port(mail_account::defaultPort(request.account.security));
    request.account.user = url.userName().toStdString();
    const QString folder = url.path().mid(1);
    if (folder.isEmpty()) {
        request.folder = mail_account::FolderKind::Drafts;
    } else if (folder.compare(QLatin1String("Templates"), Qt::CaseInsensitive) == 0) {
        request.folder = mail_account::FolderKind::Templates;
    } else {
        request.folder = mail_account::FolderKind::Named;
        request.folderName = folder.toStdString();
    }
    if (!arguments.trustedCertificate.isEmpty()) {
        request.trustedCertificate =
            mail_account::normalFingerprint(arguments.trustedCertificate.toStdString());
        if (request.trustedCertificate.empty())
            return fail(tr("--trust-certificate takes a SHA-256 fingerprint: 64 hexadecimal "
                           "digits, colons optional."));
    }

    // The template, written as Export writes it (with its checks), then read back.
    QTemporaryDir work;
    const QString message = work.filePath(QStringLiteral("message.eml"));
    try {
        stationery::exportStationeryFile(fileSystemPath(arguments.file), fileSystemPath(message),
                                         stationery::ExportForm::Message, platform::exportGuards());
    } catch (const std::exception& error) {
        return fail(QString::fromStdString(error.what()));
    }
    QFile written(message);
    if (!written.open(QIODevice::ReadOnly))
        return fail(written.errorString());
    request.message = written.readAll().toStdString();

    if (const auto saved = mail_account::PasswordStore::read(request.account)) {
        request.password = saved->toStdString();
    } else if (arguments.passwordFromInput) {
        std::getline(std::cin, request.password);
        if (!request.password.empty() && request.password.back() == '\r')
            request.password.pop_back();
    } else {
        return fail(tr("No password for %1: save it from the window (File > Put in Mail "
                       "Account, \"Remember in the system keyring\"), or give it on standard "
                       "input with --password-stdin.")
                        .arg(mail_account::accountName(request.account)));
    }

    const std::atomic<bool> cancelled = false;
    try {
        const mail_account::UploadResult result = mail_account::upload(request, cancelled);
        std::printf("%s\n",
                    qPrintable(tr("Put in the folder \"%1\" of %2.")
                                   .arg(QString::fromStdString(
                                            mail_account::readableFolderName(result.folder)),
                                        mail_account::accountName(request.account))));
    } catch (const mail_account::UploadError& error) {
        QString words = mail_account::failureWords(error, request.account);
        if (error.failure() == mail_account::Failure::CertificateNotTrusted)
            words += tr(" If it is your server's, give --trust-certificate %1.")
                         .arg(QString::fromStdString(error.presentedCertificate()));
        return fail(words);
    }
    return 0;
}

} // namespace command_line
