#include "app/command_line.h"

#include "stationery/export.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

namespace command_line {

namespace {

std::filesystem::path fileSystemPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdU16String());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString()); // bytes as given
#endif
}

int fail(const QString& reason) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(reason));
    return 1;
}

std::optional<stationery::ExportForm> formNamed(const QString& name) {
    if (name == QLatin1String("classic"))
        return stationery::ExportForm::Classic;
    if (name == QLatin1String("todays"))
        return stationery::ExportForm::TodaysClients;
    if (name == QLatin1String("message"))
        return stationery::ExportForm::Message;
    return std::nullopt;
}

} // namespace

bool wantsNoWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        for (const std::string_view option :
             {"--export", "--form", "--help", "-h", "--help-all", "--version", "-v"})
            if (argument == option ||
                (option.starts_with("--") && argument.starts_with(std::string(option) + "=")))
                return true;
    }
    return false;
}

int run(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "command_line", "Makes mail stationery. Without options it opens the editor, showing "
                        "FILE when one is given."));
    parser.addHelpOption();
    parser.addVersionOption();
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
    parser.addOption(exportOption);
    parser.addOption(formOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("command_line", "A stationery file."));
    parser.process(app); // answers --help and --version, and refuses unknown options

    if (!parser.isSet(exportOption))
        return fail(QCoreApplication::translate("command_line", "--form goes with --export OUT."));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return fail(
            QCoreApplication::translate("command_line", "--export takes one stationery FILE."));
    const QString out = parser.value(exportOption);
    std::optional<stationery::ExportForm> form = parser.isSet(formOption)
                                                     ? formNamed(parser.value(formOption))
                                                     : stationery::formForName(fileSystemPath(out));
    if (!form)
        return fail(parser.isSet(formOption)
                        ? QCoreApplication::translate("command_line",
                                                      "--form is classic, todays or message.")
                        : QCoreApplication::translate(
                              "command_line", "\"%1\" ends in neither .eml, .htm nor .html; "
                                              "say which form with --form.")
                              .arg(out));
    try {
        stationery::exportStationeryFile(fileSystemPath(files.first()), fileSystemPath(out), *form);
    } catch (const std::exception& error) {
        return fail(QString::fromStdString(error.what()));
    }
    return 0;
}

} // namespace command_line
