#include "platform/sound_content.h"

#include "platform/little_endian.h"
#include "stationery/export.h"

#include <QFile>

namespace platform {

std::optional<stationery::SoundKind> SoundContent::kindOf(const QByteArray& head) {
    return stationery::soundKindOf(std::string_view(head.constData(), std::size_t(head.size())));
}

QString SoundContent::wavFormatProblem(const QByteArray& head) {
    const QString unplayable = tr("This WAV file's format cannot be played.");
    // Walk the chunks after "RIFF....WAVE" to the format chunk.
    qsizetype at = 12;
    while (at + 8 <= head.size()) {
        const quint32 chunkSize = littleEndian(head, at + 4, 4);
        if (head.mid(at, 4) == "fmt ") {
            if (chunkSize < 16 || at + 24 > head.size())
                return unplayable;
            const quint32 encoding = littleEndian(head, at + 8, 2);
            const quint32 channels = littleEndian(head, at + 10, 2);
            const quint32 rate = littleEndian(head, at + 12, 4);
            const quint32 blockAlign = littleEndian(head, at + 20, 2);
            const quint32 bits = littleEndian(head, at + 22, 2);
            const bool knownEncoding = encoding == 1 || encoding == 3 || encoding == 0xFFFE ||
                                       encoding == 2 || encoding == 0x11 || encoding == 6 ||
                                       encoding == 7;
            if (!knownEncoding || channels < 1 || channels > 8 || rate < 1000 || rate > 384000 ||
                blockAlign == 0 || bits > 64)
                return unplayable;
            if ((encoding == 1 || encoding == 3) && blockAlign != channels * ((bits + 7) / 8))
                return unplayable;
            return QString();
        }
        at += 8 + qsizetype(chunkSize) + (chunkSize & 1);
    }
    return unplayable;
}

QString SoundContent::problem(const QByteArray& head) {
    const std::optional<stationery::SoundKind> kind = kindOf(head);
    if (!kind)
        return tr("This file is not a MIDI, WAV or MP3 sound.");
    return kind == stationery::SoundKind::Wave ? wavFormatProblem(head) : QString();
}

QString SoundContent::fileProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("The file cannot be read: %1.").arg(file.errorString());
    return problem(file.read(kHeadSize));
}

std::optional<qint64> SoundContent::mp3SoundStart(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    qint64 at = 0;
    for (int tags = 0; tags < 16; ++tags) {
        if (!file.seek(at))
            return std::nullopt;
        const QByteArray header = file.read(10);
        if (!header.startsWith("ID3"))
            return at;
        const auto byte = [&header](int i) {
            return static_cast<unsigned char>(header[i]);
        };
        if (header.size() < 10 || byte(3) < 2 || byte(3) > 4 || byte(6) >= 0x80 ||
            byte(7) >= 0x80 || byte(8) >= 0x80 || byte(9) >= 0x80)
            return std::nullopt;
        const qint64 size = qint64(byte(6)) << 21 | byte(7) << 14 | byte(8) << 7 | byte(9);
        const bool footer = byte(5) & 0x10;
        at += 10 + size + (footer ? 10 : 0);
        if (at > file.size())
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace platform
