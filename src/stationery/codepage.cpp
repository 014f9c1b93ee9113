#include "stationery/codepage.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <utility>
#include <vector>

namespace stationery {

namespace {

// Where the code page puts each character, learned once from the system's iconv so
// that the writer's hot path is a table look-up rather than a conversion call.
struct AnsiTable {
    std::array<std::int16_t, 256> belowU100{}; // code point < 0x100 -> byte, or -1
    std::vector<std::pair<char32_t, unsigned char>> above;

    AnsiTable() {
        belowU100.fill(-1);
        for (int b = 0; b < 0x80; ++b)
            belowU100[b] = static_cast<std::int16_t>(b);
        iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1252");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return; // no converter: only ASCII is written as is, the rest as references
        for (int b = 0x80; b < 0x100; ++b) {
            char in = static_cast<char>(b);
            unsigned char out[8] = {};
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(out);
            std::size_t inLeft = 1;
            std::size_t outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
                sizeof out - outLeft != 4)
                continue; // a byte the code page leaves undefined
            const char32_t cp = static_cast<char32_t>(out[0]) | static_cast<char32_t>(out[1]) << 8 |
                                static_cast<char32_t>(out[2]) << 16 |
                                static_cast<char32_t>(out[3]) << 24;
            if (cp < 0x100)
                belowU100[cp] = static_cast<std::int16_t>(b);
            else
                above.emplace_back(cp, static_cast<unsigned char>(b));
        }
        iconv_close(cd);
    }
};

const AnsiTable& ansiTable() {
    static const AnsiTable table;
    return table;
}

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
    const AnsiTable& table = ansiTable();
    if (codePoint < 0x100)
        return table.belowU100[codePoint];
    for (const auto& [cp, byte] : table.above)
        if (cp == codePoint)
            return byte;
    return -1;
}

} // namespace stationery
