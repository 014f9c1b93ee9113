#include "stationery/hex_color.h"

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

std::uint32_t colorNumber(Rgb colour) {
    return std::uint32_t(colour.red) | std::uint32_t(colour.green) << 8 |
           std::uint32_t(colour.blue) << 16;
}

Rgb rgbOfColorNumber(std::uint32_t number) {
    return {std::uint8_t(number & 0xFF), std::uint8_t(number >> 8 & 0xFF),
            std::uint8_t(number >> 16 & 0xFF)};
}

std::string hexColor(std::uint32_t number) {
    return hexColor(rgbOfColorNumber(number));
}

std::string hexColor(Rgb c) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[c.red >> 4],    digits[c.red & 0xF], digits[c.green >> 4],
            digits[c.green & 0xF], digits[c.blue >> 4], digits[c.blue & 0xF]};
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

} // namespace stationery
