#pragma once

#include <string_view>

// The texts are English; lupdate collects them under "ClientSupport" and the window shows
// them translated. Nothing of Qt is needed to build this.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

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

inline constexpr std::string_view kCanIEmail = QT_TRANSLATE_NOOP(
    "ClientSupport",
    "caniemail.com: CSS background-image, the body's background attribute, CSS animations, "
    "the audio and script elements");

inline constexpr ClientSupport kBackgroundPictureSupport{
    QT_TRANSLATE_NOOP("ClientSupport", "The background picture"),
    QT_TRANSLATE_NOOP("ClientSupport", "Apple Mail, Thunderbird, Gmail and Outlook on the web"),
    QT_TRANSLATE_NOOP(
        "ClientSupport",
        "Outlook for Windows shows it only from the body's background attribute, which the "
        "template writes"),
    kCanIEmail, "2026-12-07"};
inline constexpr ClientSupport kCssScrollingSupport{
    QT_TRANSLATE_NOOP("ClientSupport", "A picture scrolled by CSS"),
    QT_TRANSLATE_NOOP("ClientSupport", "Apple Mail and Samsung Mail"),
    QT_TRANSLATE_NOOP("ClientSupport",
                      "it stands still elsewhere, and for readers who ask for reduced motion"),
    kCanIEmail, "2026-12-07"};
inline constexpr ClientSupport kScriptSupport{
    QT_TRANSLATE_NOOP("ClientSupport", "Scripts (the scrolling script, the ticker)"), "",
    QT_TRANSLATE_NOOP("ClientSupport", "no mail client of today runs them"), kCanIEmail,
    "2026-12-07"};
inline constexpr ClientSupport kBackgroundSoundSupport{
    QT_TRANSLATE_NOOP("ClientSupport", "A background sound"), "",
    QT_TRANSLATE_NOOP("ClientSupport", "no mail client of today plays one"), kCanIEmail,
    "2026-12-07"};

// What the page for today's clients and the message template do about each, per client.
inline constexpr ClientSupport kClientFacts[] = {
    {QT_TRANSLATE_NOOP("ClientSupport", "A message template in a webmail"),
     QT_TRANSLATE_NOOP("ClientSupport", "Roundcube 1.6, in its view and its editor"),
     QT_TRANSLATE_NOOP("ClientSupport",
                       "drops the body's look and shows the wrapper's, picture and all, over the "
                       "whole message; what it sends keeps the colour, font, margins and the "
                       "picture, given in a style sheet, where it is not rewritten"),
     QT_TRANSLATE_NOOP("ClientSupport",
                       "this program's webmail test: Roundcube 1.6.5 from Debian 12 with "
                       "Chromium"),
     "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport", "A message template handed to Evolution"), "",
     QT_TRANSLATE_NOOP("ClientSupport",
                       "Evolution 3.46 opens no message file given to it (\"Cannot import any "
                       "of the given URIs\"); a template in the account's Templates folder "
                       "starts a new message there; its view shows 480 pixels of the picture, "
                       "and its editor the whole stationery"),
     QT_TRANSLATE_NOOP("ClientSupport", "tried with this program's template under Debian 12"),
     "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport", "The wrapper's picture as a data: URL in a style sheet"),
     QT_TRANSLATE_NOOP("ClientSupport", "Thunderbird and Roundcube"),
     QT_TRANSLATE_NOOP("ClientSupport",
                       "Thunderbird takes a cid: name in CSS for remote content and shows its "
                       "privacy bar; a picture over 128 KB is left off the wrapper"),
     QT_TRANSLATE_NOOP("ClientSupport",
                       "tried with this program's template under Thunderbird 153.8 ESR"),
     "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport",
                       "The look on a wrapper around the text as well as on the body"),
     QT_TRANSLATE_NOOP("ClientSupport", "Gmail, on the web and in its apps"),
     QT_TRANSLATE_NOOP(
         "ClientSupport",
         "replaces the body by a <div> with only the attributes it supports; the wrapper keeps "
         "the text colour, font and left margin there, and on today's page the picture and "
         "background colour"),
     QT_TRANSLATE_NOOP("ClientSupport",
                       "caniemail.com, the <body> element, as the doiuse-email package quotes it"),
     "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport", "A message template opened in Thunderbird"),
     QT_TRANSLATE_NOOP("ClientSupport", "Thunderbird 153 ESR"),
     QT_TRANSLATE_NOOP(
         "ClientSupport",
         "opens it as a new message with the caret inside the wrapper; what it sends carries "
         "the body's picture but drops the scrolling rule, so the picture stands still"),
     QT_TRANSLATE_NOOP("ClientSupport",
                       "tried with this program's template under Thunderbird 153.8 ESR"),
     "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport", "The light colour scheme asked for (meta element)"),
     QT_TRANSLATE_NOOP("ClientSupport", "Thunderbird and Apple Mail on macOS"),
     QT_TRANSLATE_NOOP("ClientSupport", "other clients ignore the meta element"),
     QT_TRANSLATE_NOOP("ClientSupport", "html-email-guide.vercel.app, Dark mode"), "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport", "The light colour scheme asked for (CSS color-scheme)"),
     QT_TRANSLATE_NOOP("ClientSupport", "Apple Mail, Samsung Mail and Thunderbird"),
     QT_TRANSLATE_NOOP(
         "ClientSupport",
         "Gmail's apps for iOS and Android invert colours in dark mode whatever a message asks"),
     QT_TRANSLATE_NOOP(
         "ClientSupport",
         "html-email-guide.vercel.app, Dark mode; mailviewr.com, Apple Mail dark mode preview"),
     "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport", "Scrolling only for readers who accept motion"), "",
     QT_TRANSLATE_NOOP(
         "ClientSupport",
         "clients that strip prefers-reduced-motion rules, Gmail among them, show the picture "
         "standing still, never moving for ever"),
     QT_TRANSLATE_NOOP("ClientSupport",
                       "emailmarkup.org, Email clients are stripping out accessibility (2025)"),
     "2026-12-08"},
    {QT_TRANSLATE_NOOP("ClientSupport", "A generic family after every font"),
     QT_TRANSLATE_NOOP("ClientSupport", "every client that shows HTML mail"),
     QT_TRANSLATE_NOOP(
         "ClientSupport",
         "a reader without the font sees the nearest serif, sans-serif, monospace or cursive "
         "font instead of the client's default"),
     QT_TRANSLATE_NOOP("ClientSupport", "CSS Fonts Module Level 4, generic font families (W3C)"),
     "2026-12-08"},
};

} // namespace stationery
