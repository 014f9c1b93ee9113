#include "editor/stationery_name.h"

#include "editor/stationery_document.h"

#include <QCoreApplication>
#include <QFileInfo>

QString stationeryName(const StationeryDocument& document) {
    QString name;
    const stationery::StationerySettings& s = document.settings();
    if (!document.path().isEmpty())
        name = QFileInfo(document.path()).completeBaseName();
    else if (s.title)
        name = QString::fromStdString(*s.title);
    QString safe;
    for (const QChar c : std::as_const(name))
        safe += c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c) ? QChar(u'_') : c;
    safe = safe.trimmed().left(100);
    while (safe.startsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char('.')))
        safe = safe.startsWith(QLatin1Char('.')) ? safe.mid(1) : safe.chopped(1);
    return safe.trimmed().isEmpty() ? QCoreApplication::translate("StationeryName", "Stationery")
                                    : safe.trimmed();
}
