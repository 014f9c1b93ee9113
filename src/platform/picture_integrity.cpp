#include "platform/picture_integrity.h"

#include "platform/little_endian.h"

#include <QByteArray>

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// Reads a device front to back in large chunks, so a walk over a picture of many
// megabytes costs one sequential read.
class SequentialReader {
public:
    explicit SequentialReader(QIODevice& device) : device_(device) { buffer_.resize(kChunk); }

    // The next byte, or -1 at the end of the file.
    int next() {
        if (pos_ == end_ && !refill())
            return -1;
        return static_cast<unsigned char>(buffer_[pos_++]);
    }

    bool skip(qint64 count) {
        while (count > 0) {
            if (pos_ == end_ && !refill())
                return false;
            const qint64 step = std::min<qint64>(count, end_ - pos_);
            pos_ += step;
            count -= step;
        }
        return true;
    }

    // Moves to the next 0xFF byte and past it; false at the end of the file.
    bool skipPastFF() {
        for (;;) {
            if (pos_ == end_ && !refill())
                return false;
            const char* from = buffer_.constData() + pos_;
            const void* found = std::memchr(from, 0xFF, static_cast<std::size_t>(end_ - pos_));
            if (found) {
                pos_ += static_cast<const char*>(found) - from + 1;
                return true;
            }
            pos_ = end_;
        }
    }

private:
    static constexpr qint64 kChunk = 256 * 1024;

    bool refill() {
        end_ = device_.read(buffer_.data(), kChunk);
        pos_ = 0;
        if (end_ <= 0) {
            end_ = 0;
            return false;
        }
        return true;
    }

    QIODevice& device_;
    QByteArray buffer_;
    qint64 pos_ = 0;
    qint64 end_ = 0;
};

bool readLength16(SequentialReader& in, int& length, bool bigEndian) {
    const int first = in.next();
    const int second = in.next();
    if (first < 0 || second < 0)
        return false;
    length = bigEndian ? first << 8 | second : second << 8 | first;
    return true;
}

// After a start-of-scan header: the entropy-coded data runs to the first marker that
// is not a stuffed zero (0xFF 0x00) or a restart marker. Returns that marker, or -1.
int markerAfterScan(SequentialReader& in) {
    for (;;) {
        if (!in.skipPastFF())
            return -1;
        int byte = in.next();
        while (byte == 0xFF) // fill bytes before a marker
            byte = in.next();
        if (byte < 0)
            return -1;
        if (byte != 0x00 && (byte < 0xD0 || byte > 0xD7))
            return byte;
    }
}

// GIF data sub-blocks: a size byte, that many bytes, until a size of zero.
bool skipSubBlocks(SequentialReader& in) {
    for (;;) {
        const int size = in.next();
        if (size < 0)
            return false;
        if (size == 0)
            return true;
        if (!in.skip(size))
            return false;
    }
}

bool skipColourTable(SequentialReader& in, int packed) {
    return (packed & 0x80) == 0 || in.skip(3LL << ((packed & 0x07) + 1));
}

} // namespace

bool jpegIsWhole(QIODevice& device) {
    if (!device.seek(0))
        return false;
    SequentialReader in(device);
    if (in.next() != 0xFF || in.next() != 0xD8)
        return false;
    int marker = -1;
    for (;;) {
        if (marker < 0) {
            if (in.next() != 0xFF)
                return false; // segments follow each other without gaps
            marker = in.next();
            while (marker == 0xFF)
                marker = in.next();
            if (marker < 0)
                return false;
        }
        if (marker == 0xD9)
            return true; // end of image
        const bool standalone = (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
        if (!standalone) {
            int length = 0;
            if (!readLength16(in, length, true) || length < 2 || !in.skip(length - 2))
                return false;
        }
        if (marker == 0xDA) { // start of scan: the compressed data follows
            marker = markerAfterScan(in);
            if (marker < 0)
                return false;
        } else {
            marker = -1;
        }
    }
}

bool gifIsWhole(QIODevice& device) {
    if (!device.seek(0))
        return false;
    SequentialReader in(device);
    // "GIF87a" or "GIF89a", then the logical screen descriptor.
    if (!in.skip(6 + 4))
        return false;
    const int screenFlags = in.next();
    if (screenFlags < 0 || !in.skip(2) || !skipColourTable(in, screenFlags))
        return false;
    for (;;) {
        switch (in.next()) {
        case 0x3B: // trailer
            return true;
        case 0x21: // extension: its label, then sub-blocks
            if (in.next() < 0 || !skipSubBlocks(in))
                return false;
            break;
        case 0x2C: { // image: descriptor, local colour table, code size, sub-blocks
            if (!in.skip(8))
                return false;
            const int imageFlags = in.next();
            if (imageFlags < 0 || !skipColourTable(in, imageFlags) || in.next() < 0 ||
                !skipSubBlocks(in))
                return false;
            break;
        }
        default: // the end of the file, or bytes that are no block
            return false;
        }
    }
}

bool pngIsWhole(QIODevice& device) {
    if (!device.seek(0))
        return false;
    SequentialReader in(device);
    if (!in.skip(8))
        return false;
    for (;;) {
        qint64 length = 0;
        QByteArray type;
        for (int i = 0; i < 4; ++i) {
            const int byte = in.next();
            if (byte < 0)
                return false;
            length = length << 8 | byte;
        }
        for (int i = 0; i < 4; ++i) {
            const int byte = in.next();
            if (byte < 0)
                return false;
            type += char(byte);
        }
        if (type == "IEND")
            return in.skip(4);                           // its CRC
        if (length > 0x7FFFFFFF || !in.skip(length + 4)) // the data and its CRC
            return false;
    }
}

bool bmpIsWhole(QIODevice& device) {
    if (!device.seek(0))
        return false;
    const QByteArray header = device.read(54);
    if (header.size() < 54 || littleEndian32(header, 14) < 40)
        return true; // an old-style header: leave it to the decoder
    const quint32 compression = littleEndian32(header, 30);
    if (compression != 0 && compression != 3)
        return true; // run-length data has no fixed size
    const qint64 width = static_cast<qint32>(littleEndian32(header, 18));
    const qint64 height = std::abs(static_cast<qint32>(littleEndian32(header, 22)));
    const qint64 bitsPerPixel = littleEndian16(header, 28);
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return device.size() >= qint64(littleEndian32(header, 10)) + rowBytes * height;
}

} // namespace platform
