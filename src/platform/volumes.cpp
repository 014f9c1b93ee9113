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

bool isUserVolume(const QStorageInfo& storage, const QString& homeRoot, const QString& startRoot) {
    const QString root = storage.rootPath();
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
    const QString homeRoot = QStorageInfo(QDir::homePath()).rootPath();
    const QString startRoot = QStorageInfo(QDir::currentPath()).rootPath();
    std::vector<Volume> result;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !isUserVolume(storage, homeRoot, startRoot))
            continue;
        const QString root = storage.rootPath();
        if (std::any_of(result.begin(), result.end(),
                        [&](const Volume& v) { return v.root == root; }))
            continue;
        result.push_back({root, storage.displayName() == root ? QString() : storage.displayName(),
                          storage.isReady()});
    }
    if (result.empty())
        result.push_back({QDir::rootPath(), QString(), true});
    std::sort(result.begin(), result.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
    return result;
}

} // namespace platform
