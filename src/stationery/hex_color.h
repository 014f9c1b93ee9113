#pragma once

#include <cstdint>
#include <string>

namespace stationery {

// A colour number (red in the lowest byte, then green, then blue) as the six
// upper-case hexadecimal digits the file carries: red, green, blue, without "#".
std::string hexColor(std::uint32_t colorNumber);

} // namespace stationery
