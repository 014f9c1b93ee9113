#pragma once

#include "mail_account/imap_upload.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

class MailAccountDialog;
class QSettings;
class QWidget;
namespace platform {
class MessageBox;
}

// File > Put in Mail Account: the message template put into the user's IMAP account,
// off the window's thread, the window usable meanwhile. The account, the folder and
// any certificate the user chose to trust are remembered (QSettings); the password
// only in the system keyring, and only when asked to. A certificate the system does not
// trust is shown by its fingerprint and used only when the user trusts it; a changed
// one is shown beside the trusted one and never used unasked.
class MailAccountCommand : public QObject {
    Q_OBJECT
public:
    struct Services {
        platform::MessageBox& messages;
        QWidget* window;
        // Writes the message template to the path, saying why when it cannot.
        std::function<bool(const QString& path)> writeTemplate;
        std::function<void(const QString& text)> showStatus;
    };
    explicit MailAccountCommand(Services services);
    ~MailAccountCommand() override;

    void run();
    MailAccountDialog* dialog() const { return dialog_; }

    // Where the account is remembered.
    static QSettings settings();

private:
    void putInAccount();
    void startUpload(mail_account::UploadRequest request);
    void uploaded(const mail_account::UploadRequest& request,
                  const mail_account::UploadResult& result);
    void failed(mail_account::UploadRequest request, const mail_account::UploadError& error);
    bool askToTrust(const mail_account::UploadRequest& request,
                    const mail_account::UploadError& error);
    void waitForUpload();

    Services services_;
    MailAccountDialog* dialog_ = nullptr;
    std::thread worker_;
    std::atomic<bool> cancelled_ = false;
};
