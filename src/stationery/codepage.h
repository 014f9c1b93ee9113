#pragma once

#include <cstddef>
#include <string_view>

namespace stationery {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Reads the code point that starts at `pos` and moves `pos` past it. A byte that
// does not start a well-formed UTF-8 sequence reads as U+FFFD and is skipped alone,
// so malformed text never stops the writer.
char32_t nextCodePoint(std::string_view utf8, std::size_t& pos);

// The byte that stands for `codePoint` in the ANSI code page (Windows-1252), or -1
// when the code page has no such character.
int ansiByteFor(char32_t codePoint);

// The character a byte of the ANSI code page stands for; U+FFFD for the five bytes
// the code page leaves undefined.
char32_t codePointForAnsiByte(unsigned char byte);

} // namespace stationery
