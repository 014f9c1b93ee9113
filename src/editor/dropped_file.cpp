#include "editor/dropped_file.h"

#include "editor/paths.h"
#include "stationery/export.h"
#include "stationery/message_writer.h"

#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

DroppedFile droppedFileAt(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {DroppedKind::Missing, {}};
    if (!info.isFile()) // links followed: a folder, a pipe, a socket or a device
        return {DroppedKind::NotAFile, {}};
    const QString suffix = info.suffix().toLower();
    const auto among = [&suffix](std::initializer_list<const char*> names) {
        for (const char* name : names)
            if (suffix == QLatin1String(name))
                return true;
        return false;
    };
    // A name the export forms are written under: a stationery, opened by its content.
    if (stationery::formForName(fileSystemPath(path)))
        return {DroppedKind::Stationery, {}};
    if (among({"jpg", "jpeg", "gif", "png", "bmp", "heic", "heif", "webp", "avif"}))
        return {DroppedKind::Picture, {}};
    if (among({"mid", "midi", "wav", "mp3"}))
        return {DroppedKind::Sound, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {DroppedKind::Unreadable, file.errorString()};
    const std::string head = file.read(16).toStdString();
    if (stationery::MessageWriter::mediaTypeOf(head))
        return {DroppedKind::Picture, {}};
    if (stationery::soundKindOf(head))
        return {DroppedKind::Sound, {}};
    return {DroppedKind::Other, {}};
}

DroppedFiles::DroppedFiles(QWidget* window, Uses uses) : QObject(window), uses_(std::move(uses)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool DroppedFiles::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drop->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        const QString path = urls.first().toLocalFile();
        QMetaObject::invokeMethod(
            this, [this, path] { use(path); }, Qt::QueuedConnection);
    }
    return true;
}

void DroppedFiles::use(const QString& path) {
    const DroppedFile dropped = droppedFileAt(path);
    const QString name = QFileInfo(path).fileName();
    switch (dropped.kind) {
    case DroppedKind::Stationery:
        return uses_.openStationery(path);
    case DroppedKind::Picture:
        return uses_.choosePicture(path);
    case DroppedKind::Sound:
        return uses_.chooseSound(path);
    case DroppedKind::Other:
        return uses_.refuse(
            tr("\"%1\" is neither a picture, a sound nor a stationery file, so it was not used.")
                .arg(name));
    case DroppedKind::Missing:
        return uses_.refuse(tr("\"%1\" is no longer there, so it was not used.").arg(name));
    case DroppedKind::NotAFile:
        return uses_.refuse(
            tr("\"%1\" is not a file but a folder, a pipe or a device, so it was not used.")
                .arg(name));
    case DroppedKind::Unreadable:
        return uses_.refuse(
            tr("\"%1\" could not be read (%2), so it was not used.").arg(name, dropped.problem));
    }
}
