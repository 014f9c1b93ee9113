#include "sound_files.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace sound_files {

namespace {

void littleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void bigEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray sineWav(double seconds, int frequency, int sampleRate) {
    const int samples = int(seconds * sampleRate);
    QByteArray out("RIFF");
    littleEndian(out, 36 + samples * 2, 4);
    out.append("WAVEfmt ");
    littleEndian(out, 16, 4);
    littleEndian(out, 1, 2); // PCM
    littleEndian(out, 1, 2); // mono
    littleEndian(out, sampleRate, 4);
    littleEndian(out, sampleRate * 2, 4);
    littleEndian(out, 2, 2);
    littleEndian(out, 16, 2);
    out.append("data");
    littleEndian(out, samples * 2, 4);
    for (int i = 0; i < samples; ++i) {
        const double value = 0.6 * std::sin(2 * std::numbers::pi * frequency * i / sampleRate);
        littleEndian(out, std::uint16_t(std::int16_t(value * 32767)), 2);
    }
    return out;
}

QByteArray oneNoteMidi(double seconds) {
    const int ticksPerQuarter = 96; // at the default 120 beats a minute: 192 ticks a second
    const int length = int(seconds * 192);
    QByteArray track;
    track.append('\0');
    track.append("\xC0\x00", 2); // piano
    track.append('\0');
    track.append("\x90\x45\x64", 3); // note on, A4
    // The note's length as a variable-length quantity.
    QByteArray delta;
    int value = length;
    delta.prepend(char(value & 0x7F));
    while ((value >>= 7) > 0)
        delta.prepend(char((value & 0x7F) | 0x80));
    track.append(delta);
    track.append("\x80\x45\x40", 3);     // note off
    track.append("\x00\xFF\x2F\x00", 4); // end of track

    QByteArray out("MThd");
    bigEndian(out, 6, 4);
    bigEndian(out, 0, 2);
    bigEndian(out, 1, 2);
    bigEndian(out, ticksPerQuarter, 2);
    out.append("MTrk");
    bigEndian(out, track.size(), 4);
    out.append(track);
    return out;
}

} // namespace sound_files
