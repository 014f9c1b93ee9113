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

} // namespace platform
