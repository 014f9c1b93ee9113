#include "editor/file_commands.h"

#include "editor/browser_preview.h"
#include "editor/paths.h"
#include "editor/stationery_document.h"
#include "editor/stationery_name.h"
#include "platform/error_words.h"
#include "platform/export_guards.h"
#include "platform/message_box.h"
#include "stationery/file_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace {

// The Export dialog's file types, one for each export form in its order.
QList<FileType> exportTypes() {
    QList<FileType> types;
    for (const stationery::ExportFormat& format : stationery::exportFormats())
        types.append(
            {QCoreApplication::translate("ExportForm", std::string(format.description).c_str()),
             QString::fromLatin1(format.patterns.data(), qsizetype(format.patterns.size()))
                 .split(QLatin1Char(';'))});
    return types;
}

// What Save writes.
QList<FileType> stationeryType() {
    return {{QCoreApplication::translate("FileCommands", "Stationery Files"),
             {QStringLiteral("*.htm"), QStringLiteral("*.html")}}};
}

// The form the dialog's answer asks for: a name ending in ".eml" is a message template
// whatever type was chosen, and a page name never is.
stationery::ExportForm formFor(const QString& fileName, int type) {
    const auto& formats = stationery::exportFormats();
    const stationery::ExportFormat& chosen =
        formats.at(std::size_t(std::clamp(type, 0, int(formats.size()) - 1)));
    const auto byName = stationery::formForName(fileSystemPath(fileName));
    if (byName && stationery::exportFormat(*byName).pictureInside)
        return *byName;
    if (chosen.pictureInside && byName)
        return stationery::ExportForm::TodaysClients;
    return chosen.form;
}

// For the translation tools: the export forms' descriptions and what is said once
// each is written.
[[maybe_unused]] const char* const kExportWords[] = {
    QT_TRANSLATE_NOOP("ExportForm",
                      "Exported to %1. Open it with your mail client for a new message on this "
                      "stationery, or use File > New Message in Mail Client."),
    QT_TRANSLATE_NOOP("ExportForm",
                      "Exported to %1 with its picture beside it. Choose it as stationery in your "
                      "mail client, or open it in a browser."),
    QT_TRANSLATE_NOOP("ExportForm",
                      "Exported to %1 with its picture and sound beside it, for mail clients that "
                      "still run stationery scripts."),
    QT_TRANSLATE_NOOP(
        "ExportForm",
        "Message template, opens as a new message in Thunderbird, Outlook, Apple Mail"),
    QT_TRANSLATE_NOOP("ExportForm",
                      "Web page for today's mail clients, with its picture beside it"),
    QT_TRANSLATE_NOOP("ExportForm",
                      "Classic stationery with script, ticker and sound, for old mail clients"),
};

} // namespace

FileCommands::FileCommands(Services services)
    : QObject(services.window), services_(std::move(services)),
      browserPreview_(new BrowserPreview(services_.document, services_.browser, this)) {}

void FileCommands::openWithDialog() {
    if (!mayLeaveTheDocument())
        return;
    // Every kind of file the program writes opens again.
    const std::optional<QString> chosen = services_.dialog.openPath(
        {{tr("Stationery and message templates"),
          {QStringLiteral("*.htm"), QStringLiteral("*.html"), QStringLiteral("*.eml")}},
         {tr("Stationery and pages for today's mail clients"),
          {QStringLiteral("*.htm"), QStringLiteral("*.html")}},
         {tr("Message templates"), {QStringLiteral("*.eml")}}});
    if (chosen)
        open(*chosen);
}

bool FileCommands::open(const QString& path) {
    StationeryDocument::Opened opened;
    if (!underHourglass(tr("Not Opened"), [&] { opened = services_.document.open(path); }))
        return false;
    OpenedFileProblems& problems = opened.problems;
    services_.showStatus(QString()); // what was said of the stationery before is stale
    if (opened.madeForTodaysClients)
        services_.messages.exclamation(
            services_.window,
            tr("\"%1\" was made for today's mail clients, which carry no sound and no ticker: "
               "the Sound and Ticker tabs stay empty. Everything else is as it was.")
                .arg(QFileInfo(path).fileName()),
            tr("Opened"));
    // A stationery from elsewhere may name any file; one from where private files are
    // kept is pointed out now, and an export asks before carrying it.
    const stationery::StationerySettings& inUse = services_.document.settingsInUse();
    const std::vector<std::filesystem::path> ownFolders{fileSystemPath(platform::designsFolder()),
                                                        fileSystemPath(platform::picturesFolder())};
    for (const std::string_view named :
         {stationery::picturePath(inUse),
          stationery::soundInUse(inUse) ? stationery::soundPath(inUse) : std::string_view()})
        if (!named.empty() &&
            stationery::isInPrivatePlace(stationery::pathFromUtf8(named), ownFolders))
            problems.inPrivatePlaces << QString::fromUtf8(named.data(), qsizetype(named.size()));
    if (problems.empty())
        return true;
    if (problems.gone.isEmpty() && problems.unreadable.isEmpty()) {
        services_.messages.exclamation(
            services_.window,
            tr("\"%1\" names files in hidden or system folders, where private files are "
               "kept:\n%2\n\nExport asks before it copies any of them.")
                .arg(path, problems.inPrivatePlaces.join(QLatin1Char('\n'))),
            tr("Private Files Named"));
        return true;
    }
    QStringList paragraphs{
        tr("\"%1\" is open, but not everything it names can be used.").arg(path)};
    if (!problems.gone.isEmpty())
        paragraphs
            << tr("These files can't be found:\n%1").arg(problems.gone.join(QLatin1Char('\n')));
    if (!problems.unreadable.isEmpty())
        paragraphs << tr("This file is there but cannot be read as a picture:\n%1")
                          .arg(problems.unreadable.join(QLatin1Char('\n')));
    paragraphs << tr("The paths are kept, so saving writes them as they were.");
    if (!problems.inPrivatePlaces.isEmpty())
        paragraphs << tr("These are in hidden or system folders, where private files are kept; "
                         "Export asks before it copies them:\n%1")
                          .arg(problems.inPrivatePlaces.join(QLatin1Char('\n')));
    services_.messages.exclamation(services_.window, paragraphs.join(QStringLiteral("\n\n")),
                                   problems.gone.isEmpty() ? tr("Picture Not Shown")
                                                           : tr("Files Missing"));
    return true;
}

bool FileCommands::saveWithDialog() {
    // It opens on the stationery's own file, so that Save then Enter saves again.
    const std::optional<platform::FileChoice> chosen =
        services_.dialog.savePath({}, services_.document.saveSuggestion(), stationeryType());
    if (!chosen)
        return false; // cancelled: nothing to write
    // The title names the file only once it has really been written.
    return underHourglass(tr("Not Saved"), [&] { services_.document.save(chosen->path); });
}

bool FileCommands::mayLeaveTheDocument() {
    const StationeryDocument& document = services_.document;
    if (!document.isModified())
        return true;
    const QString name = document.path().isEmpty() ? tr("the new stationery")
                                                   : QFileInfo(document.path()).fileName();
    switch (services_.messages.askToSave(services_.window, tr("Save changes to %1?").arg(name),
                                         tr("Unsaved Changes"))) {
    case platform::MessageBox::SaveChoice::Save:
        return saveWithDialog();
    case platform::MessageBox::SaveChoice::Discard:
        return true;
    case platform::MessageBox::SaveChoice::Cancel:
        break;
    }
    return false;
}

void FileCommands::exportWithDialog() {
    // A name to start from, in the folder of the last export, else the usual one.
    const QString name = stationeryName(services_.document) + QStringLiteral(".eml");
    const std::optional<platform::FileChoice> chosen = services_.dialog.savePath(
        tr("Export"), lastExportFolder_.isEmpty() ? name : QDir(lastExportFolder_).filePath(name),
        exportTypes());
    if (!chosen)
        return;
    const QString path = chosen->path;
    const auto form = formFor(path, chosen->type);
    if (!exportTo(path, form))
        return;
    lastExportFolder_ = QFileInfo(path).absolutePath();
    const std::string_view written = stationery::exportFormat(form).written;
    services_.showStatus(QCoreApplication::translate("ExportForm", std::string(written).c_str())
                             .arg(QDir::toNativeSeparators(path)));
}

bool FileCommands::exportTo(const QString& path, stationery::ExportForm form) {
    return underHourglass(tr("Not Exported"), [&] {
        services_.document.exportTo(path, form,
                                    [this](const QStringList& files) { return mayCarry(files); });
    });
}

std::optional<stationery::StreamedContents>
FileCommands::messageTemplate(const std::optional<stationery::AccountCopy>& copy) {
    std::optional<stationery::StreamedContents> message;
    underHourglass(tr("Not Exported"), [&] {
        message = services_.document.messageTemplate(
            [this](const QStringList& files) { return mayCarry(files); }, copy);
    });
    return message;
}

bool FileCommands::mayCarry(const QStringList& files) {
    services_.setBusy(false);
    const bool agreed = services_.messages.askYesNo(
        services_.window,
        tr("The stationery names a file in a hidden or system folder, where private files "
           "are kept:\n%1\n\nThe export would copy it where others can read it. Copy it "
           "anyway?")
            .arg(files.join(QLatin1Char('\n'))),
        tr("Private File"));
    services_.setBusy(true);
    return agreed;
}

void FileCommands::preview() {
    services_.setBusy(true);
    browserPreview_->show(
        [self = QPointer<FileCommands>(this)](const QString& reason, bool browser) {
            if (!self)
                return; // the window has gone meanwhile
            self->services_.setBusy(false);
            self->services_.messages.exclamation(
                self->services_.window,
                browser ? tr("No web browser could be started to show the preview (%1). Nothing "
                             "was saved; File > Save writes the stationery as usual.")
                              .arg(reason)
                        : tr("The preview could not be written: %1").arg(reason),
                browser ? tr("No Browser") : tr("No Preview"));
        });
    services_.setBusy(false);
}

bool FileCommands::underHourglass(const QString& failureTitle, const std::function<void()>& work) {
    services_.setBusy(true);
    try {
        work();
    } catch (const std::exception& error) {
        services_.setBusy(false);
        services_.messages.exclamation(services_.window, errorWords(error), failureTitle);
        return false;
    }
    services_.setBusy(false);
    return true;
}
