#include "platform/dir_list_box.h"

#include "platform/drawn_icons.h"
#include "platform/folder_scan.h"
#include "platform/platform_error.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString nativeFolder(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

// "//server/share", in Qt's separators: the root of a path on a share.
bool isShareRoot(const QString& folder) {
    return folder.startsWith(QLatin1String("//")) &&
           folder.mid(2).split(QLatin1Char('/'), Qt::SkipEmptyParts).size() == 2;
}

} // namespace

DirListBox::DirListBox(const VolumeList& volumes, QWidget* parent)
    : QListWidget(parent), volumes_(volumes), path_(nativeFolder(QDir::currentPath())),
      openIcon_(drawnIcon(DrawnIcon::OpenFolder)), closedIcon_(drawnIcon(DrawnIcon::ClosedFolder)) {
    fill();
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        try {
            open(item->data(kPathRole).toString());
        } catch (const PlatformError&) {
            fill(); // the folder went away since it was listed
        }
    });
}

void DirListBox::setPath(const QString& path) {
    QString target = path;
    if (const std::optional<Volume> volume = volumes_.volumeHolding(path)) {
        if (!volume->ready)
            throw PlatformError(Failure::DeviceUnavailable, QStringLiteral("Device unavailable"));
        const bool wholeDrive =
            QDir::cleanPath(QDir::fromNativeSeparators(path)) == QDir::cleanPath(volume->root);
        if (wholeDrive) {
            const QString working = QDir::currentPath();
            const std::optional<Volume> workingVolume = volumes_.volumeHolding(working);
            if (workingVolume && workingVolume->root == volume->root)
                target = working;
        }
    }
    open(target);
}

void DirListBox::open(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.exists() || !info.isDir())
        throw PlatformError(Failure::PathNotFound, QStringLiteral("Path not found"));
    const QString opened = nativeFolder(folder);
    const bool moved = opened != path_;
    path_ = opened;
    fill();
    if (moved)
        emit changed();
}

void DirListBox::fill() {
    clear();

    // The chain of folders from the root down to the open one; a share's root is
    // \\server\share, never the server above it.
    QStringList chain;
    QDir dir(QDir::fromNativeSeparators(path_));
    chain.prepend(dir.absolutePath());
    while (!isShareRoot(dir.absolutePath()) && dir.cdUp())
        chain.prepend(dir.absolutePath());

    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() || isShareRoot(folder)
                                 ? QDir::toNativeSeparators(folder)
                                 : QFileInfo(folder).fileName();
        auto* item =
            new QListWidgetItem(openIcon_, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);

    const QDir open(QDir::fromNativeSeparators(path_));
    const QStringList children = listFolder(path_, FolderEntries::Folders);
    for (const QString& child : children) {
        auto* item =
            new QListWidgetItem(closedIcon_, QString(depth * 2, QLatin1Char(' ')) + child, this);
        item->setData(kPathRole, open.filePath(child));
    }
}

} // namespace platform
