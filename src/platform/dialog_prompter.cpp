#include "platform/dialog_prompter.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform {

namespace {

// The extension a file type's first pattern gives ("htm" for "Web (*.htm *.html)").
QString defaultSuffix(const QString& nameFilter) {
    static const QRegularExpression firstPattern(QStringLiteral(R"(\(\*\.([^ )*?]+))"));
    return firstPattern.match(nameFilter).captured(1);
}

} // namespace

std::optional<FileChoice> QtDialogPrompter::saveFileName(QWidget* parent, const QString& title,
                                                         const QString& initialFolder,
                                                         const QStringList& nameFilters) {
    // A file to start at is shown chosen in its folder.
    const QFileInfo place(initialFolder);
    QFileDialog dialog(parent, title, place.isFile() ? place.absolutePath() : initialFolder);
    if (place.isFile())
        dialog.selectFile(place.fileName());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(nameFilters);
    // The dialog asks about overwriting the name it will really return.
    dialog.setDefaultSuffix(defaultSuffix(nameFilters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(defaultSuffix(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice{QDir::toNativeSeparators(dialog.selectedFiles().constFirst()),
                      std::max(0, int(nameFilters.indexOf(dialog.selectedNameFilter())))};
}

std::optional<QString> QtDialogPrompter::openFileName(QWidget* parent, const QString& initialFolder,
                                                      const QStringList& nameFilters) {
    const QString name = QFileDialog::getOpenFileName(parent, QString(), initialFolder,
                                                      nameFilters.join(QStringLiteral(";;")));
    if (name.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(name);
}

std::optional<QColor> QtDialogPrompter::color(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtDialogPrompter::font(QWidget* parent, const QFont& initial) {
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, initial, parent);
    if (!accepted)
        return std::nullopt;
    return chosen;
}

} // namespace platform
