#include "dialogs/mail_account_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using mail_account::FolderKind;
using mail_account::Security;

MailAccountDialog::MailAccountDialog(QWidget* parent)
    : QDialog(parent), server_(new QLineEdit(this)), port_(new QSpinBox(this)),
      security_(new QComboBox(this)), user_(new QLineEdit(this)), password_(new QLineEdit(this)),
      remember_(new QCheckBox(tr("Remember in the system keyring"), this)),
      folder_(new QComboBox(this)), folderNote_(new QLabel(this)),
      progress_(new QProgressBar(this)), problem_(new QLabel(this)),
      buttons_(new QDialogButtonBox(this)) {
    setWindowTitle(tr("Put in Mail Account"));
    server_->setObjectName(QStringLiteral("serverEdit"));
    server_->setPlaceholderText(tr("imap.example.com"));
    port_->setObjectName(QStringLiteral("portSpin"));
    port_->setRange(1, 65535);
    port_->setValue(993);
    security_->setObjectName(QStringLiteral("securityChoice"));
    security_->addItems({tr("SSL/TLS"), tr("STARTTLS")});
    user_->setObjectName(QStringLiteral("userEdit"));
    password_->setObjectName(QStringLiteral("passwordEdit"));
    password_->setEchoMode(QLineEdit::Password);
    remember_->setObjectName(QStringLiteral("rememberPassword"));
    folder_->setObjectName(QStringLiteral("folderChoice"));
    folder_->addItems({tr("Templates"), tr("Drafts")});
    progress_->setObjectName(QStringLiteral("uploadProgress"));
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->hide();
    folderNote_->setObjectName(QStringLiteral("folderNote"));
    folderNote_->setWordWrap(true);
    folderNote_->setTextFormat(Qt::PlainText);
    problem_->setObjectName(QStringLiteral("problemLabel"));
    problem_->setWordWrap(true);
    // What a server says is shown as it is, never as markup.
    problem_->setTextFormat(Qt::PlainText);
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problem_->hide();

    auto* form = new QFormLayout;
    form->addRow(tr("&Server:"), server_);
    form->addRow(tr("&Port:"), port_);
    form->addRow(tr("S&ecurity:"), security_);
    form->addRow(tr("&User name:"), user_);
    form->addRow(tr("Pass&word:"), password_);
    form->addRow(QString(), remember_);
    form->addRow(tr("&Folder:"), folder_);
    form->addRow(QString(), folderNote_);
    auto* put = buttons_->addButton(tr("Put in Account"), QDialogButtonBox::AcceptRole);
    put->setObjectName(QStringLiteral("putButton"));
    buttons_->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(progress_);
    layout->addWidget(buttons_);

    connect(security_, &QComboBox::currentIndexChanged, this, &MailAccountDialog::securityChosen);
    connect(folder_, &QComboBox::currentIndexChanged, this, &MailAccountDialog::folderChosen);
    connect(buttons_, &QDialogButtonBox::accepted, this, &MailAccountDialog::uploadAsked);
    connect(buttons_, &QDialogButtonBox::rejected, this, &MailAccountDialog::reject);
    // A hint about the fields goes once they change.
    for (QLineEdit* field : {server_, user_, password_})
        connect(field, &QLineEdit::textEdited, this, [this] { showProblem(QString()); });
    folderChosen(folder_->currentIndex());
}

void MailAccountDialog::reject() {
    if (uploading_)
        emit cancelAsked();
    else
        QDialog::reject();
}

void MailAccountDialog::folderChosen(int index) {
    folderNote_->setText(index == 1 ? tr("A mail client deletes a draft once it is sent: the "
                                         "stationery is then gone from Drafts.")
                                    : tr("Start a new message from the template in your mail "
                                         "client; the template stays for the next one."));
}

// The usual port goes with each security, unless another was typed.
void MailAccountDialog::securityChosen(int index) {
    const int usual = mail_account::defaultPort(index == 0 ? Security::SslTls : Security::StartTls);
    const int other = mail_account::defaultPort(index == 0 ? Security::StartTls : Security::SslTls);
    if (port_->value() == other)
        port_->setValue(usual);
}

void MailAccountDialog::setAccount(const mail_account::Account& account, FolderKind folder) {
    server_->setText(QString::fromStdString(account.host));
    security_->setCurrentIndex(account.security == Security::SslTls ? 0 : 1);
    port_->setValue(account.port);
    user_->setText(QString::fromStdString(account.user));
    folder_->setCurrentIndex(folder == FolderKind::Drafts ? 1 : 0);
}

mail_account::Account MailAccountDialog::account() const {
    return {server_->text().trimmed().toStdString(), port_->value(),
            security_->currentIndex() == 0 ? Security::SslTls : Security::StartTls,
            user_->text().trimmed().toStdString()};
}

FolderKind MailAccountDialog::folder() const {
    return folder_->currentIndex() == 1 ? FolderKind::Drafts : FolderKind::Templates;
}

QString MailAccountDialog::password() const {
    return password_->text();
}

void MailAccountDialog::setPassword(const QString& password) {
    password_->setText(password);
}

bool MailAccountDialog::rememberPassword() const {
    return remember_->isChecked();
}

void MailAccountDialog::setRememberPassword(bool remember) {
    remember_->setChecked(remember);
}

void MailAccountDialog::showUploading(bool uploading) {
    uploading_ = uploading;
    for (QWidget* field : std::initializer_list<QWidget*>{server_, port_, security_, user_,
                                                          password_, remember_, folder_})
        field->setEnabled(!uploading);
    buttons_->button(QDialogButtonBox::Cancel)->setEnabled(true);
    for (QAbstractButton* button : buttons_->buttons())
        if (buttons_->buttonRole(button) == QDialogButtonBox::AcceptRole)
            button->setEnabled(!uploading);
    progress_->setVisible(uploading);
    progress_->setValue(0);
}

void MailAccountDialog::showProgress(double sent) {
    progress_->setValue(int(sent * 1000));
}

void MailAccountDialog::showProblem(const QString& text) {
    problem_->setText(text);
    problem_->setVisible(!text.isEmpty());
    // The wrapped words take the height they need at this width; the fields keep theirs.
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    setMinimumHeight(std::max(needed, layout()->totalMinimumSize().height()));
    if (height() < minimumHeight())
        resize(width(), minimumHeight());
}
