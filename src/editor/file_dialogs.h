#pragma once

#include "platform/dialog_prompter.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// A kind of file a file dialog offers: "Stationery Files" with "*.htm" and "*.html".
struct FileType {
    QString description;
    QStringList patterns;
};

// The File menu's file dialogs, asked through the prompter: they start in the usual
// folder for stationery, or at a name suggested there, and a name typed without an
// extension gets the chosen type's first one ("Notes" becomes "Notes.htm").
class FileDialogs {
public:
    FileDialogs(platform::DialogPrompter& prompter, QWidget* owner);

    std::optional<QString> openPath(const QList<FileType>& types);
    // `suggestion`: a file name or path to start at; a bare name is in the usual folder.
    // `title` empty: the system's own ("Save As").
    std::optional<platform::FileChoice> savePath(const QString& title, const QString& suggestion,
                                                 const QList<FileType>& types);

    // Where stationery is kept: Documents/Stationery when it exists, else Documents (on
    // Windows, the shared Stationery folder mail programs read).
    static QString usualFolder();
    // Qt's name filters for the types: "Stationery Files (*.htm *.html)".
    static QStringList nameFilters(const QList<FileType>& types);

private:
    platform::DialogPrompter& prompter_;
    QWidget* owner_;
};
