#pragma once

#include <string_view>

namespace stationery {

// What the mail clients of today do with each part of a stationery, for Check's notes.
//
// Source: the client-support data published at caniemail.com (the entries for CSS
// background-image, the body's background attribute, CSS animations, and the audio and
// script elements), read on 2026-12-07. Update the sentences together with the date.
struct ClientSupport {
    std::string_view part;
    std::string_view shownBy;   // the clients that show or play it; empty for none
    std::string_view elsewhere; // what the others do
};

inline constexpr ClientSupport kBackgroundPictureSupport{
    "The background picture", "Apple Mail, Thunderbird, Gmail and Outlook on the web",
    "Outlook for Windows shows it only from the body's background attribute, which the "
    "template writes"};
inline constexpr ClientSupport kCssScrollingSupport{
    "A picture scrolled by CSS", "Apple Mail and Samsung Mail", "it stands still elsewhere"};
inline constexpr ClientSupport kScriptSupport{"Scripts (the scrolling script, the ticker)", "",
                                              "no mail client of today runs them"};
inline constexpr ClientSupport kBackgroundSoundSupport{"A background sound", "",
                                                       "no mail client of today plays one"};

} // namespace stationery
