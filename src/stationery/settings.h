#pragma once

#include "stationery/hex_color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stationery {

enum class ScrollDirection { NoScroll, Up, Left, Down, Right };

// The name the scrolling script carries ("up", "left", ...); "no scroll" for NoScroll.
std::string_view directionName(ScrollDirection direction);

// Placeholder texts: a field that still holds its placeholder means "nothing chosen".
// They are recognised only by an exact, case-sensitive comparison of the whole text.
inline constexpr std::string_view kAuthorPlaceholder = "Your Name";
inline constexpr std::string_view kTitlePlaceholder = "Title of Your Work";
inline constexpr std::string_view kNoImage = "Label10";
inline constexpr std::string_view kNoSound = "null";
inline constexpr std::string_view kTicker1Placeholder =
    "Ticker #1's Text Goes Here...Or leave me Blank";
inline constexpr std::string_view kTicker2Placeholder =
    "Ticker #2's Text Goes Here...Or leave me Blank";
inline constexpr std::string_view kTicker3Placeholder =
    "Ticker #3's Text Goes Here...Or leave me Blank";

inline constexpr std::string_view kUnknownAuthor = "Unknown Author";
inline constexpr std::string_view kUnknownTitle = "Unknown";

// Every value the writer reads, exactly as the editor window shows it. A
// default-constructed record is the record of an untouched window.
struct StationerySettings {
    std::string AuthorName{kAuthorPlaceholder};
    std::string Title{kTitlePlaceholder};
    std::string ImagePath{kNoImage};
    std::optional<Rgb> BackgroundColor; // none: the reader's own
    float FontSize = 8.0f;
    std::string FontName;
    bool FontBold = false;
    bool FontItalic = false;
    std::optional<Rgb> TextColor;
    std::string LeftMargin{"0"};
    std::string TopMargin{"0"};
    ScrollDirection Direction = ScrollDirection::NoScroll;
    std::string ImageWidth{"0"};
    std::string ImageHeight{"0"};
    bool NoSound = false;         // "No Sound" ticked: the sound is left out
    bool OutlookExpress4 = false; // the sound in the form that old client needs
    std::string SoundPath{kNoSound};
    std::string TickerText1{kTicker1Placeholder};
    std::string TickerText2{kTicker2Placeholder};
    std::string TickerText3{kTicker3Placeholder};

    bool operator==(const StationerySettings&) const = default;
};

// Derived values. The views refer into the record or to static text.
std::string_view effectiveAuthor(const StationerySettings& settings);
std::string_view effectiveTitle(const StationerySettings& settings);
std::string_view effectiveImagePath(const StationerySettings& settings);
bool isScrolling(const StationerySettings& settings);
// True when a sound is chosen and "No Sound" is not ticked.
bool soundInUse(const StationerySettings& settings);

// True when ticker `number` (1 to 3) holds a text of its own: neither empty nor
// its placeholder.
bool isRealTicker(const StationerySettings& settings, int number);
const std::string& tickerText(const StationerySettings& settings, int number);

// Which parts of the stationery the record sets other than as an untouched window has
// them, by the window's tabs.
struct PartsSet {
    bool image, sound, ticker, colorFont, margins;
};
PartsSet partsSet(const StationerySettings& settings);

} // namespace stationery
