#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace stationery {

// Upper-case hexadecimal digits, by value.
inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// `bytes` with every byte but ASCII letters, digits and `keptPunctuation` written as an
// upper-case %-escape ("%20" for a space), UTF-8 bytes included.
std::string percentEncoded(std::string_view bytes, std::string_view keptPunctuation);

// The longest start of UTF-8 `text` of at most `maxBytes` bytes that splits no
// character.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

} // namespace stationery
