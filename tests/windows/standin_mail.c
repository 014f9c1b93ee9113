/* A stand-in for a Windows mail client, registered for .eml files in the test's Wine
   prefix: it keeps a copy of the message it was asked to open, beside itself. */
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR line, int show) {
    (void)instance;
    (void)previous;
    (void)show;
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 2)
        return 2;
    wchar_t kept[MAX_PATH];
    GetModuleFileNameW(NULL, kept, MAX_PATH);
    wchar_t* slash = wcsrchr(kept, L'\\');
    if (!slash)
        return 3;
    wcscpy(slash + 1, L"received.eml");
    (void)line;
    return CopyFileW(arguments[1], kept, FALSE) ? 0 : 1;
}
