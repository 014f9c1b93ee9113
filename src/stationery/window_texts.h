#pragma once

#include <array>
#include <string_view>

namespace stationery {

// The texts an untouched window shows in its fields. A field still holding its text
// means nothing was given (an exact, case-sensitive comparison of the whole text). The
// record in a page for today's clients spells an untouched author and title so too.
inline constexpr std::string_view kAuthorPlaceholder = "Your Name";
inline constexpr std::string_view kTitlePlaceholder = "Title of Your Work";
inline constexpr std::array<std::string_view, 3> kTickerPlaceholders = {
    "Ticker #1's Text Goes Here...Or leave me Blank",
    "Ticker #2's Text Goes Here...Or leave me Blank",
    "Ticker #3's Text Goes Here...Or leave me Blank"};

} // namespace stationery
