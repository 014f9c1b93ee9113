#include "app/command_line.h"
#include "app/loaded_modules.h"
#include "app/upload_command.h"
#include "platform/error_words.h"
#include "platform/export_guards.h"
#include "platform/file_system_paths.h"
#include "platform/translations.h"
#include "stationery/export.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif
#include <optional>
#include <string_view>

namespace command_line {

namespace {

// Exit statuses: 1 a failed export or a request it cannot carry out, 2 an option it does
// not know or one given twice.
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// The options Qt's window system takes for itself, and whether each takes a value.
constexpr std::pair<std::string_view, bool> kWindowSystemOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-display", true},
    {"-geometry", true},        {"-style", true},
    {"-stylesheet", true},      {"-session", true},
    {"-reverse", false},        {"-widgetcount", false},
    {"-nograb", false},         {"-dograb", false},
    {"-sync", false},
};

int say(int status, const QString& reason) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                 qUtf8Printable(reason));
    return status;
}

int usage(const QString& reason, int status = kFailed) {
    return say(status,
               reason + QLatin1Char('\n') +
                   QCoreApplication::translate("command_line", "Try \"%1 --help\" for the usage.")
                       .arg(QCoreApplication::applicationName()));
}

} // namespace

bool wantsNoWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false; // what follows is a file, whatever it looks like
        if (argument.size() < 2 || argument.front() != '-')
            continue;
        bool windowSystem = false;
        for (const auto& [option, takesValue] : kWindowSystemOptions)
            if (argument == option || argument == "-" + std::string(option)) {
                windowSystem = true;
                i += takesValue ? 1 : 0;
            }
        // Anything else is ours: --export, --help and --version need no window, and a
        // mistyped option is answered here too, with or without a display.
        if (!windowSystem)
            return true;
    }
    return false;
}

QString fileToOpen(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--"))
            return i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
        if (!arguments.at(i).startsWith(QLatin1Char('-')))
            return arguments.at(i);
    }
    return QString();
}

// What an upload said is written out, and the program ends here with its status: the
// mail module's libraries, torn down at exit, only cost time (and under Wine crashed
// now and then after a finished upload, which lost the words and the status).
int ended(int status) {
    std::fflush(nullptr);
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), UINT(status));
#endif
    std::_Exit(status);
}

int run(int argc, char* argv[]) {
#ifdef _WIN32
    // Every word is written as UTF-8; the console shows it so.
    SetConsoleOutputCP(CP_UTF8);
#endif
    QCoreApplication app(argc, argv);
    platform::installTranslations(app);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "command_line", "Makes mail stationery. Without options it opens the editor, showing "
                        "FILE when one is given."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QCoreApplication::translate("command_line",
                                    "Writes FILE's stationery to OUT without opening a window."),
        QStringLiteral("OUT"));
    const QCommandLineOption formOption(
        QStringLiteral("form"),
        QCoreApplication::translate(
            "command_line", "With --export: classic, todays (for today's mail clients) or message "
                            "(a message template). By default OUT's extension decides: .eml a "
                            "message template, .htm or .html the classic file."),
        QStringLiteral("FORM"));
    const QCommandLineOption uploadOption(
        QStringLiteral("upload"),
        QCoreApplication::translate(
            "command_line", "Puts FILE's message template into FOLDER of the account, without a "
                            "window: imaps://USER@HOST[:PORT]/FOLDER, or imap:// for STARTTLS. "
                            "No FOLDER: the drafts folder."),
        QStringLiteral("URL"));
    const QCommandLineOption passwordOption(
        QStringLiteral("password-stdin"),
        QCoreApplication::translate("command_line",
                                    "With --upload: the password is the first line of standard "
                                    "input; the keyring is not asked."));
    const QCommandLineOption trustOption(
        QStringLiteral("trust-certificate"),
        QCoreApplication::translate("command_line",
                                    "With --upload: accepts a certificate the system does not "
                                    "trust when its SHA-256 fingerprint is this one."),
        QStringLiteral("SHA256"));
    parser.addOption(exportOption);
    parser.addOption(formOption);
    parser.addOption(uploadOption);
    parser.addOption(passwordOption);
    parser.addOption(trustOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("command_line", "A stationery file."));
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText(), kUsage);
    // Written out here rather than by the parser, which on Windows shows a message box
    // when it sees no console window: the words belong where the command was typed.
    if (parser.isSet(helpOption))
        return std::fputs(qUtf8Printable(parser.helpText()), stdout) < 0 ? 1 : 0;
    if (parser.isSet(versionOption))
        return std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                           qUtf8Printable(QCoreApplication::applicationVersion())) < 0
                   ? 1
                   : 0;

    for (const QCommandLineOption* option :
         {&exportOption, &formOption, &uploadOption, &trustOption})
        if (parser.values(*option).size() > 1)
            return usage(
                QCoreApplication::translate("command_line", "--%1 is given more than once.")
                    .arg(option->names().constFirst()),
                kUsage);
    if (parser.isSet(uploadOption)) {
        if (parser.isSet(exportOption) || parser.isSet(formOption))
            return usage(QCoreApplication::translate("command_line",
                                                     "--upload and --export go separately."));
        if (parser.positionalArguments().size() != 1)
            return usage(
                QCoreApplication::translate("command_line", "--upload takes one stationery FILE."));
        return ended(upload({parser.value(uploadOption), parser.positionalArguments().constFirst(),
                             parser.isSet(passwordOption), parser.value(trustOption)}));
    }
    if (parser.isSet(passwordOption) || parser.isSet(trustOption))
        return usage(QCoreApplication::translate("command_line",
                                                 "--password-stdin and --trust-certificate go "
                                                 "with --upload URL."));
    if (!parser.isSet(exportOption))
        return usage(QCoreApplication::translate("command_line", "--form goes with --export OUT."));
    for (const QCommandLineOption* option : {&exportOption, &formOption})
        if (parser.values(*option).size() > 1)
            return usage(
                QCoreApplication::translate("command_line", "--%1 is given more than once.")
                    .arg(option->names().constFirst()),
                kUsage);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usage(
            QCoreApplication::translate("command_line", "--export takes one stationery FILE."));
    const QString out = parser.value(exportOption);
    for (const auto& [name, what] : {std::pair{files.first(), "FILE"}, std::pair{out, "OUT"}})
        if (name.isEmpty())
            return usage(
                QCoreApplication::translate("command_line", "No file is named \"\": %1 is empty.")
                    .arg(QLatin1String(what)));
    std::optional<stationery::ExportForm> form =
        parser.isSet(formOption) ? stationery::formNamed(parser.value(formOption).toStdString())
                                 : stationery::formForName(fileSystemPath(out));
    if (!form)
        return parser.isSet(formOption)
                   ? usage(QCoreApplication::translate("command_line",
                                                       "--form is classic, todays or message."))
                   : usage(QCoreApplication::translate(
                               "command_line", "\"%1\" ends in neither .eml, .htm nor .html; "
                                               "say which form with --form.")
                               .arg(out));
    try {
        stationery::exportStationeryFile(fileSystemPath(files.first()), fileSystemPath(out), *form,
                                         platform::exportGuards(&program_modules::pictureProblem));
    } catch (const std::exception& error) {
        return say(kFailed, errorWords(error));
    }
    return 0;
}

} // namespace command_line
