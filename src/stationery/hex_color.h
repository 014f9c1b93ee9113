#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stationery {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Colour numbers keep red in the lowest byte, then green, then blue, as the colour
// dialog and the labels take them.
std::uint32_t colorNumber(Rgb colour);
Rgb rgbOfColorNumber(std::uint32_t colorNumber);

// A colour number as the six upper-case hexadecimal digits the file carries: red,
// green, blue, without "#".
std::string hexColor(std::uint32_t colorNumber);
std::string hexColor(Rgb colour);
// The value of one hexadecimal digit (either case), or -1.
int hexDigit(char c);

// The value of a base64 digit (RFC 4648: A-Z, a-z, 0-9, "+", "/"), or -1.
int base64Digit(char c);
// Six hexadecimal digits (either case) as a colour, or nothing for any other text.
std::optional<Rgb> parseHexColor(std::string_view hex);

} // namespace stationery
