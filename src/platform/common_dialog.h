#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

class QWidget;

namespace platform {

// A file chosen in a file dialog, and which of its file types was chosen (0 for the
// first).
struct FileChoice {
    QString path;
    int type = 0;
};

// Shows the dialogs and returns what the user chose, or nothing on cancel. A name
// filter is Qt's ("Stationery Files (*.htm *.html)"), one for each file type.
class DialogPrompter {
public:
    virtual ~DialogPrompter() = default;
    // `title` empty: the system's own title ("Save As").
    virtual std::optional<FileChoice> saveFileName(QWidget* parent, const QString& title,
                                                   const QString& initialFolder,
                                                   const QStringList& nameFilters) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& initialFolder,
                                                const QStringList& nameFilters) = 0;
    virtual std::optional<QColor> color(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;
};

// Qt's own file, colour and font dialogs. The save dialog adds the chosen file type's
// extension to a name typed without one, and asks before it overwrites a file.
class QtDialogPrompter : public DialogPrompter {
public:
    std::optional<FileChoice> saveFileName(QWidget* parent, const QString& title,
                                           const QString& initialFolder,
                                           const QStringList& nameFilters) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& initialFolder,
                                        const QStringList& nameFilters) override;
    std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
};

// The file dialogs of the File menu, which keep the file type, the folder and the
// name between one use and the next. A cancelled dialog leaves every value as it was
// and its Show call returns false.
class CommonDialog {
public:
    CommonDialog(DialogPrompter& prompter, QWidget* owner);

    // A name chosen without an extension gets the chosen file type's first one
    // ("Notes" becomes "Notes.htm"), as a save dialog's typed name does.
    bool ShowSave();
    bool ShowOpen();

    // "Description|patterns" as in "Stationery Files (*.htm, *.html)|*.htm;*.html",
    // one pair for each file type: "A|*.a|B|*.b".
    QString Filter = QStringLiteral("Stationery Files (*.htm, *.html)|*.htm;*.html");
    // The file type chosen in the last file dialog, counted from 1.
    int FilterIndex = 1;
    // The file dialogs' title; empty for the system's own.
    QString DialogTitle;
    QString InitDir = defaultInitDir();
    QString FileName;

    // Where stationery is kept: Documents/Stationery when it exists, else Documents.
    static QString defaultInitDir();
    // "Desc|*.a;*.b" becomes Qt's "Desc (*.a *.b)"; "A|*.a|B|*.b" two such filters.
    static QString toQtNameFilter(const QString& filter);
    static QStringList toQtNameFilters(const QString& filter);
    // The extension a file type's first pattern gives ("htm" for "Web (*.htm *.html)").
    static QString defaultSuffix(const QString& qtNameFilter);

private:
    DialogPrompter& prompter_;
    QWidget* owner_;
};

} // namespace platform
