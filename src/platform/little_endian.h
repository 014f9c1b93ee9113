#pragma once

#include <QByteArray>

namespace platform {

// Unsigned little-endian numbers inside file headers (BMP, WAV). The caller makes
// sure the bytes are there.
inline quint32 littleEndian(const QByteArray& bytes, qsizetype at, int length) {
    quint32 value = 0;
    for (int i = length - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}
inline quint32 littleEndian16(const QByteArray& bytes, qsizetype at) {
    return littleEndian(bytes, at, 2);
}
inline quint32 littleEndian32(const QByteArray& bytes, qsizetype at) {
    return littleEndian(bytes, at, 4);
}

} // namespace platform
