#include "mail_account/account_settings.h"

namespace mail_account {

namespace {

const QString kHost = QStringLiteral("mailAccount/host");
const QString kPort = QStringLiteral("mailAccount/port");
const QString kSecurity = QStringLiteral("mailAccount/security");
const QString kUser = QStringLiteral("mailAccount/user");
const QString kFolder = QStringLiteral("mailAccount/folder");
const QString kRememberPassword = QStringLiteral("mailAccount/rememberPassword");

QString trustKey(const Account& account) {
    return QStringLiteral("trustedCertificates/%1:%2")
        .arg(QString::fromStdString(account.host))
        .arg(account.port);
}

} // namespace

QSettings AccountSettings::store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("stationery-editor"), QStringLiteral("stationery-editor"));
}

AccountSettings::Remembered AccountSettings::load() {
    const QSettings saved = store();
    Remembered remembered;
    Account& account = remembered.account;
    account.host = saved.value(kHost).toString().toStdString();
    account.security = saved.value(kSecurity).toString() == QLatin1String("starttls")
                           ? Security::StartTls
                           : Security::SslTls;
    account.port = saved.value(kPort, defaultPort(account.security)).toInt();
    account.user = saved.value(kUser).toString().toStdString();
    remembered.folder = saved.value(kFolder).toString() == QLatin1String("drafts")
                            ? FolderKind::Drafts
                            : FolderKind::Templates;
    remembered.rememberPassword = saved.value(kRememberPassword, false).toBool();
    return remembered;
}

void AccountSettings::save(const Remembered& remembered) {
    QSettings saved = store();
    const Account& account = remembered.account;
    saved.setValue(kHost, QString::fromStdString(account.host));
    saved.setValue(kPort, account.port);
    saved.setValue(kSecurity, account.security == Security::SslTls ? QStringLiteral("ssl")
                                                                   : QStringLiteral("starttls"));
    saved.setValue(kUser, QString::fromStdString(account.user));
    saved.setValue(kFolder, remembered.folder == FolderKind::Drafts ? QStringLiteral("drafts")
                                                                    : QStringLiteral("templates"));
    saved.setValue(kRememberPassword, remembered.rememberPassword);
}

std::string AccountSettings::trustedCertificate(const Account& account) {
    return store().value(trustKey(account)).toString().toStdString();
}

void AccountSettings::trustCertificate(const Account& account, const std::string& fingerprint) {
    store().setValue(trustKey(account), QString::fromStdString(fingerprint));
}

} // namespace mail_account
