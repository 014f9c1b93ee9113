#pragma once

#include "stationery/output.h"

#include <string>
#include <string_view>

namespace stationery {

// The inverses of StationeryOutput's escaping: file bytes (Windows-1252 with escapes)
// back to the UTF-8 text that was given. An escape is undone only where the writer
// would have written exactly that escape, so that writing the result again gives the
// same bytes; anything else (a reference typed by hand, a lone "&") stays as it is.
// `charset` is the file's: Windows-1252, as this program writes it, or UTF-8, as a text
// editor may have saved it again.
enum class Charset { Windows1252, Utf8 };
std::string decodeMarkup(std::string_view bytes, Place place,
                         Charset charset = Charset::Windows1252);
std::string decodeJavaScriptString(std::string_view bytes, Charset charset = Charset::Windows1252);

// True for well-formed UTF-8 that holds at least one byte above 0x7F: text that was
// saved as UTF-8 rather than in a one-byte code page.
bool looksLikeUtf8(std::string_view bytes);

void appendUtf8(std::string& out, char32_t codePoint);

} // namespace stationery
