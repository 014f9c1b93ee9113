#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

// Qt's own catalogues: beside the program on Windows, where the installer puts them,
// else where the system keeps Qt's.
QString qtCatalogues() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

void install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* catalogue = new QTranslator(&application);
    if (catalogue->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
}

} // namespace

void installTranslations(QCoreApplication& application) {
    // The program's catalogues are built into it.
    install(application, QStringLiteral("stationery-editor"), QStringLiteral(":/i18n"));
    install(application, QStringLiteral("qtbase"), qtCatalogues());
}

} // namespace platform
