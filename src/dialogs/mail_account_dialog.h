#pragma once

#include "mail_account/imap_upload.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;

// File > Put in Mail Account: the account (server, port, security, user name), the
// password with "Remember in the system keyring", and the folder. While the message
// goes, the form is locked, a bar shows how much has gone and Cancel stops it.
class MailAccountDialog : public QDialog {
    Q_OBJECT
public:
    explicit MailAccountDialog(QWidget* parent = nullptr);

    void setAccount(const mail_account::Account& account, mail_account::FolderKind folder);
    mail_account::Account account() const;
    mail_account::FolderKind folder() const;
    QString password() const;
    void setPassword(const QString& password);
    bool rememberPassword() const;
    void setRememberPassword(bool remember);

    // Locks the form while an upload runs; `sent` from 0 to 1.
    void showUploading(bool uploading);
    void showProgress(double sent);
    // Says in the dialog why the last try failed; empty to clear.
    void showProblem(const QString& text);

    // Escape, Cancel or closing the dialog while the message goes cancels the upload and
    // keeps the dialog up until the server's answer says what came of it.
    void reject() override;

signals:
    // "Put in Account": the form is filled in.
    void uploadAsked();
    // Cancel while uploading.
    void cancelAsked();

private:
    void securityChosen(int index);
    void folderChosen(int index);

    QLineEdit* server_;
    QSpinBox* port_;
    QComboBox* security_;
    QLineEdit* user_;
    QLineEdit* password_;
    QCheckBox* remember_;
    QComboBox* folder_;
    QLabel* folderNote_;
    QProgressBar* progress_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
    bool uploading_ = false;
};
