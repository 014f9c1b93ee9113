#include "platform/desktop_applications.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

// One group of a key file (.desktop, mimeapps.list): its keys and values, escapes
// undone; localised keys ("Name[de]") are left out.
QHash<QString, QString> keyFileGroup(const QString& path, const QString& group) {
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > 1024 * 1024)
        return values;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (key.contains(QLatin1Char('[')) || values.contains(key))
            continue;
        QString value;
        const QString raw = line.mid(equals + 1).trimmed();
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != QLatin1Char('\\') || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            const QChar next = raw[++i];
            value += next == QLatin1Char('s')   ? QChar(QLatin1Char(' '))
                     : next == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                     : next == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                     : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                                : next;
        }
        values.insert(key, value);
    }
    return values;
}

QStringList listValue(const QString& value) {
    return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QStringList folders(const QProcessEnvironment& environment, const char* homeVariable,
                    const QString& homeDefault, const char* dirsVariable,
                    const QString& dirsDefault) {
    QString home = environment.value(QLatin1String(homeVariable));
    if (home.isEmpty() || QDir::isRelativePath(home))
        home = QDir::homePath() + homeDefault;
    QStringList list{home};
    const QString dirs = environment.value(QLatin1String(dirsVariable));
    for (const QString& dir : (dirs.isEmpty() ? dirsDefault : dirs).split(QLatin1Char(':')))
        if (!dir.isEmpty() && QDir::isAbsolutePath(dir))
            list << dir;
    return list;
}

} // namespace

DesktopApplications::DesktopApplications(const QProcessEnvironment& environment) {
    configFolders_ = folders(environment, "XDG_CONFIG_HOME", QStringLiteral("/.config"),
                             "XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    for (const QString& folder :
         folders(environment, "XDG_DATA_HOME", QStringLiteral("/.local/share"), "XDG_DATA_DIRS",
                 QStringLiteral("/usr/local/share:/usr/share")))
        applicationFolders_ << folder + QStringLiteral("/applications");
    for (const QString& desktop :
         environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':')))
        if (!desktop.isEmpty())
            desktops_ << desktop.toLower();
}

QStringList DesktopApplications::mimeappsLists() const {
    QStringList lists;
    for (const QString& folder : configFolders_ + applicationFolders_) {
        for (const QString& desktop : desktops_)
            lists << folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        lists << folder + QStringLiteral("/mimeapps.list");
    }
    return lists;
}

std::optional<DesktopApplication> DesktopApplications::installed(const QString& id) const {
    if (!id.endsWith(QStringLiteral(".desktop")) || id.contains(QLatin1Char('/')))
        return std::nullopt;
    for (const QString& folder : applicationFolders_) {
        // "kde-kmail.desktop" may also be kde/kmail.desktop.
        QStringList candidates{folder + QLatin1Char('/') + id};
        for (qsizetype dash = id.indexOf(QLatin1Char('-')); dash > 0;
             dash = id.indexOf(QLatin1Char('-'), dash + 1))
            candidates << folder + QLatin1Char('/') + id.left(dash) + QLatin1Char('/') +
                              id.mid(dash + 1);
        for (const QString& path : candidates) {
            if (!QFileInfo(path).isFile())
                continue;
            const QHash<QString, QString> entry =
                keyFileGroup(path, QStringLiteral("Desktop Entry"));
            // The first file with the name decides, even when it hides the application.
            if (entry.value(QStringLiteral("Type")) != QStringLiteral("Application") ||
                entry.value(QStringLiteral("Hidden")) == QStringLiteral("true") ||
                entry.value(QStringLiteral("Exec")).isEmpty())
                return std::nullopt;
            return DesktopApplication{id, path, entry.value(QStringLiteral("Name"), id),
                                      entry.value(QStringLiteral("Exec"))};
        }
    }
    return std::nullopt;
}

std::optional<DesktopApplication> DesktopApplications::defaultFor(const QString& mediaType) const {
    const QStringList lists = mimeappsLists();
    QStringList removed;
    for (const char* group : {"Default Applications", "Added Associations"}) {
        for (const QString& list : lists) {
            const QHash<QString, QString> entries = keyFileGroup(list, QLatin1String(group));
            for (const QString& id : listValue(entries.value(mediaType)))
                if (!removed.contains(id))
                    if (auto application = installed(id))
                        return application;
            removed << listValue(
                keyFileGroup(list, QStringLiteral("Removed Associations")).value(mediaType));
        }
    }
    // The applications that say they handle the type, as each folder's cache lists them,
    // and then as their own files do.
    for (const QString& folder : applicationFolders_) {
        const QString cache = folder + QStringLiteral("/mimeinfo.cache");
        for (const QString& id :
             listValue(keyFileGroup(cache, QStringLiteral("MIME Cache")).value(mediaType)))
            if (!removed.contains(id))
                if (auto application = installed(id))
                    return application;
    }
    for (const QString& folder : applicationFolders_) {
        QDirIterator files(folder, {QStringLiteral("*.desktop")}, QDir::Files);
        QStringList ids;
        while (files.hasNext())
            ids << QFileInfo(files.next()).fileName();
        ids.sort();
        for (const QString& id : ids) {
            const QHash<QString, QString> entry =
                keyFileGroup(folder + QLatin1Char('/') + id, QStringLiteral("Desktop Entry"));
            if (!removed.contains(id) &&
                listValue(entry.value(QStringLiteral("MimeType"))).contains(mediaType))
                if (auto application = installed(id))
                    return application;
        }
    }
    return std::nullopt;
}

QStringList DesktopApplications::commandFor(const DesktopApplication& application,
                                            const QString& file) {
    // Split as a shell would split plain words and double-quoted strings, in which
    // a backslash keeps the next ", `, $ or \ literal.
    QStringList words;
    QString word;
    bool inWord = false, quoted = false;
    const QString& exec = application.exec;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size())
                word += exec[++i];
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    // The program itself is never a field code: the file would be run.
    if (quoted || words.isEmpty() || words.first().startsWith(QLatin1Char('%')))
        return {};

    // Field codes, as an argument of their own or inside one ("--file=%f").
    QStringList command;
    bool fileGiven = false;
    const QString url = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    for (const QString& each : std::as_const(words)) {
        if (each == QStringLiteral("%i"))
            continue; // an icon that may be absent: nothing
        QString argument;
        for (qsizetype i = 0; i < each.size(); ++i) {
            if (each[i] != QLatin1Char('%') || i + 1 == each.size()) {
                argument += each[i];
                continue;
            }
            switch (each[++i].unicode()) {
            case 'f':
            case 'F':
                argument += file, fileGiven = true;
                break;
            case 'u':
            case 'U':
                argument += url, fileGiven = true;
                break;
            case 'c':
                argument += application.name;
                break;
            case 'k':
                argument += application.file;
                break;
            case '%':
                argument += QLatin1Char('%');
                break;
            default: // the deprecated codes and unknown ones: nothing
                break;
            }
        }
        if (!argument.isEmpty() || !each.startsWith(QLatin1Char('%')))
            command << argument;
    }
    if (command.isEmpty())
        return {};
    if (!fileGiven)
        command << file;
    return command;
}

} // namespace platform
