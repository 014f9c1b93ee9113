// The mail client on Windows: the program Windows opens .eml files with (Outlook,
// Thunderbird, Windows Mail: whichever the user made the default), asked by name.
#include "platform/mail_client.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

namespace platform {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("platform::DesktopMailClient", text);
}

// One thing Windows knows of the program that opens .eml files; empty when none is set.
QString associated(ASSOCSTR what) {
    wchar_t text[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (FAILED(AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, what, L".eml", L"open", text, &size)))
        return QString();
    return QString::fromWCharArray(text).trimmed();
}

// What people call the program that opens .eml files: the name it gives itself, else
// its file's; empty when none is set.
QString messageProgramName() {
    if (const QString name = associated(ASSOCSTR_FRIENDLYAPPNAME); !name.isEmpty())
        return name;
    const QString program = associated(ASSOCSTR_EXECUTABLE);
    return program.isEmpty() ? QString() : QFileInfo(program).completeBaseName();
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
