// Passwords in the Windows Credential Manager, where Windows keeps the user's other
// passwords (Control Panel > Credential Manager > Windows Credentials lists them).
#include "mail_account/password_store.h"

#include <windows.h>

#include <wincred.h>

namespace mail_account {

namespace {

// One generic credential for each user at each server and port; its name says whose.
std::wstring targetFor(const Account& account) {
    return QStringLiteral("Stationery Editor: mail account %1@%2:%3")
        .arg(QString::fromStdString(account.user), QString::fromStdString(account.host))
        .arg(account.port)
        .toStdWString();
}

QString systemReason(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = length ? QString::fromWCharArray(text, int(length)).trimmed()
                            : QStringLiteral("error %1").arg(code);
    LocalFree(text);
    return reason;
}

} // namespace

std::optional<QString> PasswordStore::read(const Account& account) {
    const std::wstring target = targetFor(account);
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    const QString password =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(credential->CredentialBlob),
                           qsizetype(credential->CredentialBlobSize / sizeof(char16_t)));
    SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
    CredFree(credential);
    return password;
}

std::optional<QString> PasswordStore::write(const Account& account, const QString& password) {
    std::wstring target = targetFor(account);
    std::wstring user = QString::fromStdString(account.user).toStdWString();
    std::u16string secret = password.toStdU16String();
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.UserName = user.data();
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(secret.data());
    credential.CredentialBlobSize = DWORD(secret.size() * sizeof(char16_t));
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE; // this user on this computer
    const bool written = CredWriteW(&credential, 0);
    const DWORD error = written ? 0 : GetLastError();
    SecureZeroMemory(secret.data(), secret.size() * sizeof(char16_t));
    if (!written)
        return systemReason(error);
    return std::nullopt;
}

void PasswordStore::forget(const Account& account) {
    CredDeleteW(targetFor(account).c_str(), CRED_TYPE_GENERIC, 0);
}

void PasswordStore::forgetUnder(const QString&, const Account& account) {
    forget(account);
}

} // namespace mail_account
