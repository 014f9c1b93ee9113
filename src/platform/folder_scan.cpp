#include "platform/folder_scan.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace platform {

namespace {

// One compiled name pattern: "*.ext" patterns compare the name's ending directly,
// others go through a wildcard expression.
class NamePatterns {
public:
    explicit NamePatterns(const QStringList& patterns) {
        static const QRegularExpression simpleSuffix(QStringLiteral("^\\*(\\.[A-Za-z0-9_]+)$"));
        for (const QString& pattern : patterns) {
            const QRegularExpressionMatch match = simpleSuffix.match(pattern);
            if (match.hasMatch())
                suffixes_.push_back(match.captured(1).toLower().toLatin1());
            else
                others_.push_back(QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive));
        }
    }

    // `name` as the file system gives it; `decoded` turns it into text when needed.
    bool matches(const char* name, std::size_t length) const {
        if (suffixes_.empty() && others_.empty())
            return true; // no patterns: everything
        for (const QByteArray& suffix : suffixes_)
            if (length > std::size_t(suffix.size()) &&
                qstrnicmp(name + length - suffix.size(), suffix.constData(), suffix.size()) == 0)
                return true;
        if (others_.empty())
            return false;
        const QString text = QFile::decodeName(QByteArray(name, qsizetype(length)));
        return std::any_of(others_.begin(), others_.end(),
                           [&](const QRegularExpression& re) { return re.match(text).hasMatch(); });
    }

    bool matches(const QString& name) const {
        const QByteArray bytes = QFile::encodeName(name);
        return matches(bytes.constData(), std::size_t(bytes.size()));
    }

private:
    std::vector<QByteArray> suffixes_;
    std::vector<QRegularExpression> others_;
};

} // namespace

QStringList listFolder(const QString& folder, FolderEntries kind, const QStringList& patterns) {
    const NamePatterns filter(patterns);
    const bool wantFolders = kind == FolderEntries::Folders;
    QStringList names;
#ifdef Q_OS_UNIX
    const QByteArray encodedFolder = QFile::encodeName(QDir::fromNativeSeparators(folder));
    DIR* dir = opendir(encodedFolder.constData());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (entry->d_name[0] == '.' || !filter.matches(entry->d_name, length))
            continue;
        bool wanted = entry->d_type == (wantFolders ? DT_DIR : DT_REG);
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat status;
            wanted = fstatat(dirfd(dir), entry->d_name, &status, 0) == 0 &&
                     (wantFolders ? S_ISDIR(status.st_mode) : S_ISREG(status.st_mode));
        }
        if (wanted)
            names.append(QFile::decodeName(QByteArray(entry->d_name, qsizetype(length))));
    }
    closedir(dir);
#else
    QDirIterator it(folder, wantFolders ? QDir::Dirs | QDir::NoDotAndDotDot : QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (filter.matches(it.fileName()))
            names.append(it.fileName());
    }
#endif
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

} // namespace platform
