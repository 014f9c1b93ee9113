#pragma once

#include "stationery/hex_color.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stationery {

enum class ScrollDirection { NoScroll, Up, Left, Down, Right };

// The name the scrolling script carries ("up", "left", ...); "no scroll" for NoScroll.
std::string_view directionName(ScrollDirection direction);

// What an author, a title or a ticker left untouched is written as in the classic file.
inline constexpr std::string_view kUnknownAuthor = "Unknown Author";
inline constexpr std::string_view kUnknownTitle = "Unknown";

// Every choice of a stationery. A default-constructed record is the record of an
// untouched window: nothing chosen, every number 0.
struct StationerySettings {
    std::optional<std::string> author; // none: never given
    std::optional<std::string> title;
    std::optional<std::string> picture; // a path, UTF-8; none: no picture
    int pictureWidth = 0;               // pixels
    int pictureHeight = 0;
    std::optional<Rgb> backgroundColor; // none: the reader's own
    std::optional<Rgb> textColor;
    std::string fontName; // empty: the reader's own
    float fontSize = 8.0f;
    bool bold = false;
    bool italic = false;
    int leftMargin = 0; // pixels
    int topMargin = 0;
    ScrollDirection direction = ScrollDirection::NoScroll;
    std::optional<std::string> sound;  // a path, UTF-8; none: no sound
    bool noSound = false;              // "No Sound" ticked: the sound is left out
    bool soundAsHiddenPicture = false; // the sound in the form an old mail client needs
    // Each ticker's text, in order; none: never given. Empty and none both show nothing.
    std::array<std::optional<std::string>, 3> tickers;
    // The language of the text (a BCP 47 tag such as "de"), which a message template
    // names; empty: unnamed. Not part of the classic file.
    std::string language;

    bool operator==(const StationerySettings&) const = default;
};

// Derived values. The views refer into the record or to static text.
std::string_view effectiveAuthor(const StationerySettings& settings);
std::string_view effectiveTitle(const StationerySettings& settings);
// The picture's path; empty when none is chosen.
std::string_view picturePath(const StationerySettings& settings);
// The sound's path, even when "No Sound" is ticked; empty when none is chosen.
std::string_view soundPath(const StationerySettings& settings);
bool isScrolling(const StationerySettings& settings);
// True when a sound is chosen and "No Sound" is not ticked.
bool soundInUse(const StationerySettings& settings);

// Ticker `index` (0 to 2) as it runs: empty when it holds no text of its own.
std::string_view tickerText(const StationerySettings& settings, std::size_t index);

// A margin or a picture size from text: a whole number of pixels (a fraction rounded),
// nothing for anything else or beyond a million.
std::optional<int> wholePixels(std::string_view text);

// Which parts of the stationery the record sets other than as an untouched window has
// them, by the window's tabs.
struct PartsSet {
    bool image, sound, ticker, colorFont, margins;
};
PartsSet partsSet(const StationerySettings& settings);

} // namespace stationery
