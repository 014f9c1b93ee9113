#pragma once

#include "stationery/output.h"

#include <string>
#include <string_view>

namespace stationery {

// The inverses of StationeryOutput's escaping: file bytes (Windows-1252 with escapes)
// back to the UTF-8 text that was given. An escape is undone only where the writer
// would have written exactly that escape, so that writing the result again gives the
// same bytes; anything else (a reference typed by hand, a lone "&") stays as it is.
std::string decodeMarkup(std::string_view bytes, Place place);
std::string decodeJavaScriptString(std::string_view bytes);

void appendUtf8(std::string& out, char32_t codePoint);

} // namespace stationery
