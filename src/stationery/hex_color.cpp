#include "stationery/hex_color.h"

namespace stationery {

std::string hexColor(std::uint32_t colorNumber) {
    static constexpr char digits[] = "0123456789ABCDEF";
    const unsigned red = colorNumber & 0xFF;
    const unsigned green = (colorNumber >> 8) & 0xFF;
    const unsigned blue = (colorNumber >> 16) & 0xFF;
    return {digits[red >> 4],    digits[red & 0xF], digits[green >> 4],
            digits[green & 0xF], digits[blue >> 4], digits[blue & 0xF]};
}

} // namespace stationery
