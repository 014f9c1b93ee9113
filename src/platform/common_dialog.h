#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;

namespace platform {

// Shows the three dialogs and returns what the user chose, or nothing on cancel.
class DialogPrompter {
public:
    virtual ~DialogPrompter() = default;
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& initialFolder,
                                                const QString& nameFilter) = 0;
    virtual std::optional<QColor> color(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;
};

// Qt's own file, colour and font dialogs. The save dialog asks before it
// overwrites an existing file.
class QtDialogPrompter : public DialogPrompter {
public:
    std::optional<QString> saveFileName(QWidget* parent, const QString& initialFolder,
                                        const QString& nameFilter) override;
    std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
};

// One dialog object that serves the save, colour and font dialogs and keeps what
// they leave: the file name, the colour, and the font the stationery is written in.
// A cancelled dialog leaves every value as it was and its Show call returns false.
class CommonDialog {
public:
    static constexpr qint32 CreatePromptFlag = 0x2000;   // file dialogs
    static constexpr qint32 ScreenFontsFlag = 0x1;       // font dialog
    static constexpr qint32 FontMustExistFlag = 0x10000; // font dialog

    CommonDialog(DialogPrompter& prompter, QWidget* owner);

    bool ShowSave();
    bool ShowColor();
    bool ShowFont();

    // "Description|patterns" as in "Stationery Files (*.htm, *.html)|*.htm;*.html".
    QString Filter = QStringLiteral("Stationery Files (*.htm, *.html)|*.htm;*.html");
    QString InitDir = defaultInitDir();
    // One flag word for all three dialogs. Qt's dialogs only list fonts that exist and
    // always ask before overwriting, so the flags are kept but change nothing here.
    qint32 Flags = 0;
    QString FileName;
    // Red in the lowest byte, then green, then blue.
    qint32 Color = 0;
    QString FontName;
    float FontSize = 8.0f;
    bool FontBold = false;
    bool FontItalic = false;

    // Where stationery is kept: Documents/Stationery when it exists, else Documents.
    static QString defaultInitDir();
    // "Desc|*.a;*.b" becomes Qt's "Desc (*.a *.b)".
    static QString toQtNameFilter(const QString& filter);
    static qint32 toColorNumber(const QColor& color);
    static QColor fromColorNumber(qint32 number);

private:
    QFont currentFont() const;

    DialogPrompter& prompter_;
    QWidget* owner_;
};

} // namespace platform
