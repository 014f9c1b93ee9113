#include "platform/volumes.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace platform {

namespace {

bool isUnder(const QString& path, const QString& root) {
    if (!path.startsWith(root, Qt::CaseInsensitive))
        return false;
    return root.endsWith(QLatin1Char('/')) || path.size() == root.size() ||
           path.at(root.size()) == QLatin1Char('/');
}

bool isUserVolume(const QString& root, const QString& homeRoot, const QString& startRoot) {
    if (root == QLatin1String("/") || root == homeRoot || root == startRoot)
        return true;
#ifdef Q_OS_WIN
    return true;
#else
    for (const char* removable : {"/media/", "/mnt/", "/run/media/", "/Volumes/"})
        if (root.startsWith(QLatin1String(removable)))
            return true;
    return false;
#endif
}

// The root of the mounted volume that holds `path`, from an already read mount table.
QString rootHolding(const QList<QStorageInfo>& mounted, const QString& path) {
    QString best;
    for (const QStorageInfo& storage : mounted) {
        const QString root = storage.rootPath();
        if (isUnder(path, root) && root.size() > best.size())
            best = root;
    }
    return best;
}

} // namespace

std::optional<Volume> VolumeList::volumeHolding(const QString& path) const {
    const QString clean = QDir::fromNativeSeparators(QDir::cleanPath(path));
    std::optional<Volume> best;
    for (const Volume& volume : volumes()) {
        const QString root = QDir::fromNativeSeparators(volume.root);
        if (isUnder(clean, root) && (!best || root.size() > best->root.size()))
            best = volume;
    }
    return best;
}

std::vector<Volume> SystemVolumeList::volumes() const {
    if (age_.isValid() && age_.elapsed() < 1000)
        return cached_;
    const QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();
    const QString homeRoot = rootHolding(mounted, QDir::homePath());
    const QString startRoot = rootHolding(mounted, QDir::currentPath());
    std::vector<Volume> result;
    for (const QStorageInfo& storage : mounted) {
        const QString root = storage.rootPath();
        if (!storage.isValid() || !isUserVolume(root, homeRoot, startRoot))
            continue;
        if (std::any_of(result.begin(), result.end(),
                        [&](const Volume& v) { return v.root == root; }))
            continue;
        const QString name = storage.displayName();
        result.push_back({root, name == root ? QString() : name, storage.isReady()});
    }
    if (result.empty())
        result.push_back({QDir::rootPath(), QString(), true});
    std::sort(result.begin(), result.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
    cached_ = result;
    age_.start();
    return result;
}

} // namespace platform
