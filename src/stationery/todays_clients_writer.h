#pragma once

#include "stationery/settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace stationery {

// The stationery in a form the HTML engines of today's mail clients show: UTF-8 HTML5
// with no script, no background sound and no ticker. The look is written twice, as
// inline CSS and as the old attributes that clients which ignore CSS still read; the
// scrolling picture becomes a CSS animation of the body's background, which received
// mail may play where it would never run a script.
class TodaysClientsWriter {
public:
    // Where the body's picture is named. A message template names it only in the old
    // attribute: a mail client's editor resolves the picture's "cid:" name there, but
    // not inside CSS, where the unresolved name would hide the attribute's picture.
    enum class PictureNamed { InCssAndAttribute, InAttributeOnly };

    static std::string render(const StationerySettings& settings,
                              PictureNamed named = PictureNamed::InCssAndAttribute);

    // The scrolling pace, one pixel per frame of a 60 Hz screen: the classic script
    // moves the picture one pixel per timer tick, which the engines that ran it fire
    // about once per frame.
    static constexpr double kPixelsPerSecond = 60.0;

    // A whole number of pixels from a size or margin field, or nothing when the field
    // holds anything else; CSS has no way to escape a number, so only numbers pass.
    static std::optional<long> pixels(std::string_view field);
};

// Escapes for where a person's text lands in an HTML5 page (all produce UTF-8, with
// malformed bytes replaced by U+FFFD).
std::string escapeHtmlText(std::string_view utf8);
std::string escapeHtmlAttribute(std::string_view utf8);
// A CSS string in single quotes, quotes included; still to be escaped as an
// attribute when it stands in one.
std::string cssString(std::string_view utf8);

} // namespace stationery
