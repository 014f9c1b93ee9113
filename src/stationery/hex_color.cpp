#include "stationery/hex_color.h"
#include "stationery/text_bytes.h"

namespace stationery {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string hexColor(Rgb c) {
    return {kHexDigits[c.red >> 4],    kHexDigits[c.red & 0xF], kHexDigits[c.green >> 4],
            kHexDigits[c.green & 0xF], kHexDigits[c.blue >> 4], kHexDigits[c.blue & 0xF]};
}

std::optional<Rgb> parseHexColor(std::string_view hex) {
    if (hex.size() != 6)
        return std::nullopt;
    std::uint8_t bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigit(hex[2 * i]);
        const int low = hexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = std::uint8_t(high << 4 | low);
    }
    return Rgb{bytes[0], bytes[1], bytes[2]};
}

int base64Digit(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

} // namespace stationery
