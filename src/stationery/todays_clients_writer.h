#pragma once

#include "stationery/settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stationery {

// The stationery in a form the HTML engines of today's mail clients show: UTF-8 HTML5
// with no script, no background sound and no ticker. The look is written twice, as
// inline CSS and as the old attributes that clients which ignore CSS still read, on the
// body and again on a wrapper around the text, for clients that drop the body's. The
// scrolling picture becomes a CSS animation of both backgrounds, which received mail
// may play where it would never run a script, declared only for readers who have not
// asked for reduced motion. The page asks to keep its light colours in dark mode.
class TodaysClientsWriter {
public:
    // Where the body's picture is named. A message template names it in the body's old
    // attribute only: a mail client's editor resolves the picture's "cid:" name there,
    // but not inside CSS, where the unresolved name would hide the attribute's picture.
    // Its wrapper names `areaPicture` in a style sheet of its own instead (the picture
    // itself as a data: URL, or none): a cid: name in CSS is remote content to
    // Thunderbird, which warns of it, and goes stale once a client sends the message
    // with its parts renamed.
    enum class PictureNamed { InCssAndAttribute, InAttributeOnly };

    // `sampleText`, when given, stands where typing starts, a line each (a preview's sample
    // of what a recipient reads); every line is escaped.
    static std::string render(const StationerySettings& settings,
                              PictureNamed named = PictureNamed::InCssAndAttribute,
                              const std::vector<std::string>& sampleText = {},
                              std::string_view areaPicture = {});

    // The scrolling pace, one pixel per frame of a 60 Hz screen: the classic script
    // moves the picture one pixel per timer tick, which the engines that ran it fire
    // about once per frame.
    static constexpr double kPixelsPerSecond = 60.0;

    // The least height of the designed area, in CSS pixels: a screenful of a short
    // letter, where a client's view is no taller than the message.
    static constexpr int kLeastAreaHeight = 480;

    // The line height written for a font size: one and a half times it, in whole
    // pixels (a point is 4/3 of a CSS pixel), so a ruled picture can match it.
    static long lineHeightPixels(float points);
};

// Escapes for where a person's text lands in an HTML5 page (all produce UTF-8, with
// malformed bytes replaced by U+FFFD).
std::string escapeHtmlText(std::string_view utf8);
std::string escapeHtmlAttribute(std::string_view utf8);
// A CSS string in single quotes, quotes included; still to be escaped as an
// attribute when it stands in one.
std::string cssString(std::string_view utf8);
// A font followed by the generic family (serif, sans-serif, monospace or cursive) that
// stands in for it where the reader lacks it: for CSS ("'Georgia', serif") and for the
// old <font face> ("Georgia, serif", to be escaped as an attribute).
std::string fontFamilyList(std::string_view font);
std::string fontFaceList(std::string_view font);

} // namespace stationery
