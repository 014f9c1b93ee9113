#include "stationery/settings.h"

#include <charconv>
#include <cmath>

namespace stationery {

std::string_view directionName(ScrollDirection direction) {
    switch (direction) {
    case ScrollDirection::Up:
        return "up";
    case ScrollDirection::Left:
        return "left";
    case ScrollDirection::Down:
        return "down";
    case ScrollDirection::Right:
        return "right";
    case ScrollDirection::NoScroll:
        break;
    }
    return "no scroll";
}

std::string_view effectiveAuthor(const StationerySettings& settings) {
    return settings.author ? std::string_view{*settings.author} : kUnknownAuthor;
}

std::string_view effectiveTitle(const StationerySettings& settings) {
    return settings.title ? std::string_view{*settings.title} : kUnknownTitle;
}

std::string_view picturePath(const StationerySettings& settings) {
    return settings.picture ? std::string_view{*settings.picture} : std::string_view{};
}

std::string_view soundPath(const StationerySettings& settings) {
    return settings.sound ? std::string_view{*settings.sound} : std::string_view{};
}

bool soundInUse(const StationerySettings& s) {
    return !s.noSound && s.sound && !s.sound->empty();
}

bool isScrolling(const StationerySettings& settings) {
    return settings.direction != ScrollDirection::NoScroll;
}

std::string_view tickerText(const StationerySettings& settings, std::size_t index) {
    const std::optional<std::string>& text = settings.tickers.at(index);
    return text ? std::string_view{*text} : std::string_view{};
}

std::optional<int> wholePixels(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || std::abs(value) > 1e6)
        return std::nullopt;
    return static_cast<int>(std::lround(value));
}

PartsSet partsSet(const StationerySettings& s) {
    const bool ticker =
        !tickerText(s, 0).empty() || !tickerText(s, 1).empty() || !tickerText(s, 2).empty();
    return {s.picture.has_value(), s.sound.has_value() || s.noSound, ticker,
            s.textColor || s.backgroundColor || !s.fontName.empty() || s.author || s.title,
            s.leftMargin != 0 || s.topMargin != 0 || s.direction != ScrollDirection::NoScroll};
}

} // namespace stationery
