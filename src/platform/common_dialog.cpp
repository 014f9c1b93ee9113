#include "platform/common_dialog.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform {

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
    dialog.setDefaultSuffix(CommonDialog::defaultSuffix(nameFilters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         dialog.setDefaultSuffix(CommonDialog::defaultSuffix(filter));
                     });
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

CommonDialog::CommonDialog(DialogPrompter& prompter, QWidget* owner)
    : prompter_(prompter), owner_(owner) {}

bool CommonDialog::ShowSave() {
    const QStringList filters = toQtNameFilters(Filter);
    const std::optional<FileChoice> choice =
        prompter_.saveFileName(owner_, DialogTitle, InitDir, filters);
    if (!choice)
        return false;
    FileName = choice->path;
    FilterIndex = choice->type + 1;
    const QString suffix = defaultSuffix(filters.value(choice->type));
    if (QFileInfo(FileName).suffix().isEmpty() && !suffix.isEmpty() &&
        !QFileInfo(FileName).fileName().isEmpty())
        FileName += QLatin1Char('.') + suffix;
    return true;
}

bool CommonDialog::ShowOpen() {
    const std::optional<QString> name =
        prompter_.openFileName(owner_, InitDir, toQtNameFilters(Filter));
    if (!name)
        return false;
    FileName = *name;
    return true;
}

QString CommonDialog::defaultInitDir() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\Stationery");
#else
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    const QString stationery = QDir(documents).filePath(QStringLiteral("Stationery"));
    return QDir(stationery).exists() ? stationery : documents;
#endif
}

QString CommonDialog::toQtNameFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QString patterns = filter.mid(bar + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // A description that shows its patterns already ("Files (*.htm, *.html)") shows
    // them once, in the form Qt reads.
    static const QRegularExpression shownPatterns(QStringLiteral(R"(\s*\([^()]*\*[^()]*\)\s*$)"));
    QString description = filter.left(bar);
    description.remove(shownPatterns);
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

QString CommonDialog::defaultSuffix(const QString& qtNameFilter) {
    static const QRegularExpression firstPattern(QStringLiteral(R"(\(\*\.([^ )*?]+))"));
    return firstPattern.match(qtNameFilter).captured(1);
}

QStringList CommonDialog::toQtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {filter};
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(toQtNameFilter(parts[i] + QLatin1Char('|') + parts[i + 1]));
    return filters;
}

} // namespace platform
