#include "editor/mail_account_command.h"

#include "dialogs/mail_account_dialog.h"
#include "editor/stationery_document.h"
#include "mail_account/account_settings.h"
#include "mail_account/failure_words.h"
#include "platform/error_words.h"
#include "platform/message_box.h"

#include <QFileInfo>
#include <QPointer>
#include <QWidget>

using mail_account::Failure;
using mail_account::FolderKind;
using mail_account::Security;

using mail_account::AccountSettings;

MailAccountCommand::MailAccountCommand(Services services)
    : QObject(services.window), services_(std::move(services)) {}

MailAccountCommand::~MailAccountCommand() {
    cancelled_ = true;
    waitForUpload();
}

void MailAccountCommand::waitForUpload() {
    if (worker_.joinable())
        worker_.join();
}

bool MailAccountCommand::mayQuit() {
    if (!isUploading())
        return true;
    return services_.messages.askYesNo(
        dialog_,
        tr("The stationery is still being put in the mail account. Quitting now "
           "cancels it. Quit anyway?"),
        tr("Put in Mail Account"));
}

void MailAccountCommand::cancelAndWait() {
    cancelled_ = true;
    waitForUpload();
}

void MailAccountCommand::run() {
    if (!dialog_) {
        dialog_ = new MailAccountDialog(services_.window);
        dialog_->setObjectName(QStringLiteral("mailAccountDialog"));
        connect(dialog_, &MailAccountDialog::uploadAsked, this, &MailAccountCommand::putInAccount);
        connect(dialog_, &MailAccountDialog::cancelAsked, this, [this] { cancelled_ = true; });
        const AccountSettings::Remembered saved = AccountSettings::load();
        dialog_->setAccount(saved.account, saved.folder);
        dialog_->setRememberPassword(saved.rememberPassword);
    }
    dialog_->showProblem(QString());
    services_.mail.prepare();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void MailAccountCommand::putInAccount() {
    mail_account::UploadRequest request;
    request.account = dialog_->account();
    request.folder = dialog_->folder();
    if (request.account.host.empty() || request.account.user.empty())
        return dialog_->showProblem(tr("Fill in the server and the user name."));
    QString password = dialog_->password();
    if (password.isEmpty())
        password = services_.mail.readPassword(request.account).value_or(QString());
    if (password.isEmpty())
        return dialog_->showProblem(tr("Type the password."));
    request.password = password.toStdString();
    request.trustedCertificate = AccountSettings::trustedCertificate(request.account);

    // The template as Export writes it, with the same checks, written straight into
    // the connection. Its subject is the title; its mark, from the stationery's file (or
    // its title, before it has one), finds an earlier copy of the same stationery.
    const StationeryDocument& document = services_.document;
    const QString key =
        document.path().isEmpty()
            ? QString::fromStdString(stationery::accountCopyOf(document.settings(), {}).subject)
            : QFileInfo(document.path()).absoluteFilePath();
    request.mark = mail_account::markFor(key.toStdString());
    const std::optional<stationery::StreamedContents> message =
        services_.messageTemplate(stationery::accountCopyOf(document.settings(), request.mark));
    if (!message)
        return;
    request.message = {message->size, withFailuresInWords(message->produce)};
    startUpload(std::move(request));
}

void MailAccountCommand::startUpload(mail_account::UploadRequest request) {
    waitForUpload();
    cancelled_ = false;
    dialog_->showProblem(QString());
    dialog_->showUploading(true);
    services_.showStatus(
        tr("Putting the stationery in %1…").arg(mail_account::accountName(request.account)));
    QPointer<MailAccountCommand> self(this);
    worker_ = std::thread([this, self, request = std::move(request)] {
        int shown = -1;
        const auto progress = [&](double sent) {
            const int percent = int(sent * 100);
            if (percent == shown)
                return;
            shown = percent;
            QMetaObject::invokeMethod(
                this,
                [self, sent] {
                    if (self && self->dialog_)
                        self->dialog_->showProgress(sent);
                },
                Qt::QueuedConnection);
        };
        const auto outcome = services_.mail.upload(request, cancelled_, progress);
        QMetaObject::invokeMethod(
            this,
            [self, request, outcome] {
                if (!self)
                    return;
                if (const auto* result = std::get_if<mail_account::UploadResult>(&outcome))
                    self->uploaded(request, *result);
                else
                    self->failed(request, std::get<mail_account::UploadError>(outcome));
            },
            Qt::QueuedConnection);
    });
}

void MailAccountCommand::uploaded(const mail_account::UploadRequest& request,
                                  const mail_account::UploadResult& result) {
    waitForUpload();
    dialog_->showUploading(false);
    AccountSettings::save({request.account, request.folder, dialog_->rememberPassword()});
    QString keyringProblem;
    if (dialog_->rememberPassword())
        keyringProblem =
            services_.mail.writePassword(request.account, QString::fromStdString(request.password))
                .value_or(QString());
    else
        services_.mail.forgetPassword(request.account);
    dialog_->setPassword(QString());
    dialog_->hide();
    QString said = tr("Put in the folder \"%1\" of %2.")
                       .arg(QString::fromStdString(mail_account::readableFolderName(result.folder)),
                            mail_account::accountName(request.account));
    if (result.replaced)
        said += tr(" The earlier copy was taken out.");
    if (!keyringProblem.isEmpty())
        said += tr(" The password was not remembered: %1").arg(keyringProblem);
    services_.showStatus(said);
}

bool MailAccountCommand::askToTrust(const mail_account::UploadRequest& request,
                                    const mail_account::UploadError& error) {
    const QString server = QString::fromStdString(request.account.host);
    const QString presented = QString::fromStdString(error.presentedCertificate());
    const QString question =
        error.failure() == Failure::CertificateNotTrusted
            ? tr("%1's certificate is not one this computer trusts. Its SHA-256 fingerprint "
                 "is:\n\n%2\n\nCompare it with the one your mail provider or administrator "
                 "gives. Trust this certificate for %1 from now on?")
                  .arg(server, presented)
            : tr("%1 sent a different certificate from the one you trusted.\n\nTrusted:  %2\nNow:  "
                 "    "
                 "%3\n\nUnless your provider says the certificate changed, someone may be "
                 "listening in. Trust the new certificate instead?")
                  .arg(server, QString::fromStdString(request.trustedCertificate), presented);
    return services_.messages.askYesNo(dialog_, question, tr("Certificate"));
}

bool MailAccountCommand::askToReplace(const mail_account::UploadError& error) {
    return services_.messages.askYesNo(
        dialog_,
        tr("An earlier copy of this stationery is in the folder \"%1\". Replace it with this "
           "one? (No puts this one beside it.)")
            .arg(QString::fromStdString(mail_account::readableFolderName(error.folder()))),
        tr("Put in Mail Account"));
}

void MailAccountCommand::failed(mail_account::UploadRequest request,
                                const mail_account::UploadError& error) {
    waitForUpload();
    dialog_->showUploading(false);
    services_.showStatus(QString());
    const bool certificate = error.failure() == Failure::CertificateNotTrusted ||
                             error.failure() == Failure::CertificateChanged;
    if (error.failure() == Failure::EarlierCopy) {
        request.earlier =
            askToReplace(error) ? mail_account::Earlier::Replace : mail_account::Earlier::Keep;
        return startUpload(std::move(request));
    }
    if (certificate && askToTrust(request, error)) {
        AccountSettings::trustCertificate(request.account, error.presentedCertificate());
        request.trustedCertificate = error.presentedCertificate();
        return startUpload(std::move(request));
    }
    dialog_->showProblem(mail_account::failureWords(error, request.account));
}
