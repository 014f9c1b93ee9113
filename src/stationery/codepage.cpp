#include "stationery/codepage.h"

#include <array>

namespace stationery {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F, where it puts 27 typographic
// characters and leaves five bytes undefined. Every other byte stands for the code
// point of the same number. Index: byte - 0x80; 0 marks an undefined byte.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 98-9F
};

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

char32_t nextCodePoint(std::string_view utf8, std::size_t& pos) {
    const auto byteAt = [&](std::size_t i) {
        return static_cast<unsigned char>(utf8[i]);
    };
    const unsigned char lead = byteAt(pos);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return kReplacementCharacter;
    }
    if (pos + length > utf8.size()) {
        ++pos;
        return kReplacementCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byteAt(pos + i))) {
            ++pos;
            return kReplacementCharacter;
        }
        cp = cp << 6 | (byteAt(pos + i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += length;
    return cp;
}

int ansiByteFor(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint < 0x100))
        return static_cast<int>(codePoint);
    if (codePoint < 0xA0)
        return -1; // C1 controls: the code page puts other characters on those bytes
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint)
            return static_cast<int>(0x80 + i);
    return -1;
}

char32_t codePointForAnsiByte(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0)
        return byte;
    const char32_t cp = kHighControls[byte - 0x80];
    return cp != 0 ? cp : kReplacementCharacter;
}

} // namespace stationery
