#pragma once

#include <string_view>

namespace stationery {

// What the mail clients of today do with each part of a stationery, for Check's notes.
// Every fact names where it is published and when it was read; update them together.
struct ClientSupport {
    std::string_view part;
    std::string_view shownBy;   // the clients that show or play it; empty for none
    std::string_view elsewhere; // what the others do
    std::string_view source;
    std::string_view read; // the date the source was read
};

inline constexpr std::string_view kCanIEmail =
    "caniemail.com: CSS background-image, the body's background attribute, CSS animations, "
    "the audio and script elements";

inline constexpr ClientSupport kBackgroundPictureSupport{
    "The background picture", "Apple Mail, Thunderbird, Gmail and Outlook on the web",
    "Outlook for Windows shows it only from the body's background attribute, which the "
    "template writes",
    kCanIEmail, "2026-12-07"};
inline constexpr ClientSupport kCssScrollingSupport{
    "A picture scrolled by CSS", "Apple Mail and Samsung Mail",
    "it stands still elsewhere, and for readers who ask for reduced motion", kCanIEmail,
    "2026-12-07"};
inline constexpr ClientSupport kScriptSupport{"Scripts (the scrolling script, the ticker)", "",
                                              "no mail client of today runs them", kCanIEmail,
                                              "2026-12-07"};
inline constexpr ClientSupport kBackgroundSoundSupport{
    "A background sound", "", "no mail client of today plays one", kCanIEmail, "2026-12-07"};

// What the page for today's clients and the message template do about each, per client.
inline constexpr ClientSupport kClientFacts[] = {
    {"The look on a wrapper around the text as well as on the body",
     "Gmail, on the web and in its apps",
     "replaces the body by a <div> with only the attributes it supports; the wrapper keeps "
     "the text colour, font and left margin there, and on today's page the picture and "
     "background colour",
     "caniemail.com, the <body> element, as the doiuse-email package quotes it", "2026-12-08"},
    {"A message template opened in Thunderbird", "Thunderbird 153 ESR",
     "opens it as a new message with the caret inside the wrapper; what it sends carries "
     "the body's picture but drops the scrolling rule, so the picture stands still",
     "tried with this program's template under Thunderbird 153.8 ESR", "2026-12-08"},
    {"The light colour scheme asked for (meta element)", "Thunderbird and Apple Mail on macOS",
     "other clients ignore the meta element", "html-email-guide.vercel.app, Dark mode",
     "2026-12-08"},
    {"The light colour scheme asked for (CSS color-scheme)",
     "Apple Mail, Samsung Mail and Thunderbird",
     "Gmail's apps for iOS and Android invert colours in dark mode whatever a message asks",
     "html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview",
     "2026-12-08"},
    {"Scrolling only for readers who accept motion", "",
     "clients that strip prefers-reduced-motion rules, Gmail among them, show the picture "
     "standing still, never moving for ever",
     "emailmarkup.org, Email clients are stripping out accessibility (2025)", "2026-12-08"},
    {"A generic family after every font", "every client that shows HTML mail",
     "a reader without the font sees the nearest serif, sans-serif, monospace or cursive "
     "font instead of the client's default",
     "CSS Fonts Module Level 4, generic font families (W3C)", "2026-12-08"},
};

} // namespace stationery
