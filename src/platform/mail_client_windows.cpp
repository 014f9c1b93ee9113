// The mail client on Windows: the program Windows opens .eml files with (Outlook,
// Thunderbird, Windows Mail: whichever the user made the default), asked by name.
#include "platform/mail_client.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

namespace platform {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("platform::DesktopMailClient", text);
}

// What people call the program that opens .eml files; empty when none is set.
QString messageProgramName() {
    wchar_t name[256] = {};
    DWORD size = 256;
    if (FAILED(AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_FRIENDLYAPPNAME, L".eml",
                                 L"open", name, &size)))
        return QString();
    return QString::fromWCharArray(name).trimmed();
}

} // namespace

DesktopMailClient::DesktopMailClient(int watchMilliseconds)
    : watchMilliseconds_(watchMilliseconds) {}

void DesktopMailClient::open(const QString& file, Opened opened, Failed failed) {
    const QString name = messageProgramName();
    if (name.isEmpty())
        return failed(tr("no program is set to open e-mail messages (.eml) on this computer"));
    const std::wstring path = QDir::toNativeSeparators(file).toStdWString();
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    run.lpVerb = L"open";
    run.lpFile = path.c_str();
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run)) {
        const DWORD error = GetLastError();
        wchar_t* text = nullptr;
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        const QString reason =
            text ? QString::fromWCharArray(text).trimmed() : QStringLiteral("error %1").arg(error);
        LocalFree(text);
        return failed(tr("%1 could not be started (%2)").arg(name, reason));
    }
    (void)watchMilliseconds_; // Windows answers at once: nothing to watch
    opened(name);
}

} // namespace platform
