#include "editor/dropped_file.h"

#include "stationery/export.h"
#include "stationery/message_writer.h"

#include <QFile>
#include <QFileInfo>

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
    if (among({"htm", "html", "eml"}))
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
