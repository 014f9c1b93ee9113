#pragma once

#include "editor/mail_destination.h"
#include "mail_account/mail_service.h"
#include "stationery/message_writer.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

class MailAccountDialog;
class StationeryDocument;
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
class MailAccountCommand : public QObject, public MailDestination {
    Q_OBJECT
public:
    struct Services {
        platform::MessageBox& messages;
        mail_account::MailService& mail;
        QWidget* window;
        const StationeryDocument& document;
        // The message template to put, or nothing, having said why it cannot be made.
        std::function<std::optional<stationery::StreamedContents>(
            const stationery::AccountCopy& copy)>
            messageTemplate;
        std::function<void(const QString& text)> showStatus;
    };
    explicit MailAccountCommand(Services services);
    ~MailAccountCommand() override;

    void run() override;
    MailAccountDialog* dialog() const { return dialog_; }
    bool isUploading() const { return worker_.joinable(); }
    // Stops an upload under way and waits for it to end.
    void cancelAndWait();
    void stop() override { cancelAndWait(); }
    // Asks, while an upload runs, whether to quit all the same (which cancels it).
    bool mayQuit() override;

private:
    void putInAccount();
    void startUpload(mail_account::UploadRequest request);
    void uploaded(const mail_account::UploadRequest& request,
                  const mail_account::UploadResult& result);
    void failed(mail_account::UploadRequest request, const mail_account::UploadError& error);
    bool askToReplace(const mail_account::UploadError& error);
    bool askToTrust(const mail_account::UploadRequest& request,
                    const mail_account::UploadError& error);
    void waitForUpload();

    Services services_;
    MailAccountDialog* dialog_ = nullptr;
    std::thread worker_;
    std::atomic<bool> cancelled_ = false;
};
