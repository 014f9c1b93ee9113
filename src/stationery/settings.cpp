#include "stationery/settings.h"

#include <stdexcept>

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
    return settings.AuthorName == kAuthorPlaceholder ? kUnknownAuthor
                                                     : std::string_view{settings.AuthorName};
}

std::string_view effectiveTitle(const StationerySettings& settings) {
    return settings.Title == kTitlePlaceholder ? kUnknownTitle : std::string_view{settings.Title};
}

std::string_view effectiveImagePath(const StationerySettings& settings) {
    return settings.ImagePath == kNoImage ? std::string_view{}
                                          : std::string_view{settings.ImagePath};
}

bool soundInUse(const StationerySettings& s) {
    return !s.NoSound && s.SoundPath != kNoSound && !s.SoundPath.empty();
}

bool isScrolling(const StationerySettings& settings) {
    return settings.Direction != ScrollDirection::NoScroll;
}

const std::string& tickerText(const StationerySettings& settings, int number) {
    switch (number) {
    case 1:
        return settings.TickerText1;
    case 2:
        return settings.TickerText2;
    case 3:
        return settings.TickerText3;
    default:
        throw std::out_of_range("ticker number must be 1, 2 or 3");
    }
}

bool isRealTicker(const StationerySettings& settings, int number) {
    static constexpr std::string_view placeholders[] = {kTicker1Placeholder, kTicker2Placeholder,
                                                        kTicker3Placeholder};
    const std::string& text = tickerText(settings, number);
    return !text.empty() && text != placeholders[number - 1];
}

PartsSet partsSet(const StationerySettings& s) {
    return {s.ImagePath != kNoImage, s.SoundPath != kNoSound || s.NoSound,
            isRealTicker(s, 1) || isRealTicker(s, 2) || isRealTicker(s, 3),
            s.TextColor || s.BackgroundColor || !s.FontName.empty() ||
                s.AuthorName != kAuthorPlaceholder || s.Title != kTitlePlaceholder,
            s.LeftMargin != "0" || s.TopMargin != "0" || s.Direction != ScrollDirection::NoScroll};
}

} // namespace stationery
