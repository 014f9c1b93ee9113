#include "editor/file_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

FileDialogs::FileDialogs(platform::DialogPrompter& prompter, QWidget* owner)
    : prompter_(prompter), owner_(owner) {}

QString FileDialogs::usualFolder() {
#ifdef Q_OS_WIN
    // Where Windows' mail programs keep their stationery, when this computer has it.
    const QString common = qEnvironmentVariable("CommonProgramFiles");
    const QString shared = QDir(common).filePath(QStringLiteral("Microsoft Shared/Stationery"));
    if (!common.isEmpty() && QDir(shared).exists())
        return QDir::toNativeSeparators(shared);
#endif
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    const QString stationery = QDir(documents).filePath(QStringLiteral("Stationery"));
    return QDir(stationery).exists() ? stationery : documents;
}

QStringList FileDialogs::nameFilters(const QList<FileType>& types) {
    QStringList filters;
    for (const FileType& type : types)
        filters << type.description + QStringLiteral(" (") + type.patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    return filters;
}

std::optional<QString> FileDialogs::openPath(const QList<FileType>& types) {
    return prompter_.openFileName(owner_, usualFolder(), nameFilters(types));
}

std::optional<platform::FileChoice> FileDialogs::savePath(const QString& title,
                                                          const QString& suggestion,
                                                          const QList<FileType>& types) {
    const QString start = suggestion.isEmpty() ? usualFolder()
                          : QFileInfo(suggestion).isAbsolute()
                              ? suggestion
                              : QDir(usualFolder()).filePath(suggestion);
    std::optional<platform::FileChoice> choice =
        prompter_.saveFileName(owner_, title, start, nameFilters(types));
    if (!choice)
        return std::nullopt;
    const QFileInfo chosen(choice->path);
    const QStringList patterns = types.value(choice->type).patterns;
    if (chosen.suffix().isEmpty() && !chosen.fileName().isEmpty() && !patterns.isEmpty())
        choice->path += patterns.first().mid(1); // "*.htm" gives ".htm"
    return choice;
}
