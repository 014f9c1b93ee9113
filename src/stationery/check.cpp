#include "stationery/check.h"

#include "stationery/client_support.h"
#include "stationery/file_names.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace stationery {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// A ratio as people read it, never rounded up past a threshold: "4.4:1", "21:1".
std::string ratioText(double ratio) {
    const double tenths = std::floor(ratio * 10.0 + 1e-9) / 10.0;
    char text[32];
    if (tenths == std::floor(tenths))
        std::snprintf(text, sizeof text, "%.0f:1", tenths);
    else
        std::snprintf(text, sizeof text, "%.1f:1", tenths);
    return text;
}

std::optional<Severity> contrastSeverity(double ratio) {
    if (ratio < kContrastProblemBelow)
        return Severity::Problem;
    if (ratio < kContrastAdviceBelow)
        return Severity::Advice;
    return std::nullopt;
}

void readability(const StationerySettings& s, const CheckFacts& facts,
                 std::vector<Finding>& findings) {
    const Rgb text = s.TextColor.value_or(kBlack);
    const Rgb background = s.BackgroundColor.value_or(kWhite);
    const double onBackground = contrastRatio(text, background);
    if (const auto severity = contrastSeverity(onBackground))
        findings.push_back(
            {*severity,
             "Text on the background colour: " + ratioText(onBackground) + "; aim for 4.5:1.",
             "Choose a text colour further from the background colour, darker on "
             "a light background or lighter on a dark one."});
    if (facts.picture && !effectiveImagePath(s).empty()) {
        const double onPicture = std::min({contrastRatio(text, facts.picture->average),
                                           contrastRatio(text, facts.picture->darkTenth),
                                           contrastRatio(text, facts.picture->lightTenth)});
        // Away from the text: a paler picture under dark text, a darker one under light.
        const bool lightText = relativeLuminance(text) > relativeLuminance(facts.picture->average);
        if (const auto severity = contrastSeverity(onPicture))
            findings.push_back({*severity,
                                "Text on the picture: " + ratioText(onPicture) + "; aim for 4.5:1.",
                                std::string(lightText ? "Choose a darker" : "Choose a paler") +
                                    " or calmer picture, or a text colour that stands out from "
                                    "all of it."});
    }
}

} // namespace

double relativeLuminance(Rgb c) {
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string plainSize(std::uintmax_t bytes) {
    if (bytes < 1024)
        return std::to_string(bytes) + " bytes";
    char text[32];
    if (bytes < 1024 * 1024)
        std::snprintf(text, sizeof text, "%.0f KB", bytes / 1024.0);
    else
        std::snprintf(text, sizeof text, "%.1f MB", bytes / (1024.0 * 1024.0));
    return text;
}

std::vector<Finding> checkStationery(const StationerySettings& s, const CheckFacts& facts) {
    std::vector<Finding> findings;
    readability(s, facts, findings);

    const std::string_view picture = effectiveImagePath(s);
    if (!picture.empty() && !facts.pictureExists)
        findings.push_back({Severity::Problem,
                            "The picture \"" + std::string(picture) + "\" no longer exists.",
                            "Choose the picture again on the Image tab."});
    if (soundInUse(s) && !facts.soundExists)
        findings.push_back({Severity::Problem,
                            "The sound \"" + s.SoundPath + "\" no longer exists.",
                            "Choose the sound again on the Sound tab, or tick \"No Sound\"."});

    const bool weighsPicture = facts.pictureExists && !picture.empty() && facts.pictureBytes > 0;
    const bool weighsSound = facts.soundExists && soundInUse(s) && facts.soundBytes > 0;
    const std::uintmax_t weight =
        (weighsPicture ? facts.pictureBytes : 0) + (weighsSound ? facts.soundBytes : 0);
    const std::string pictureNamed = "The picture \"" + std::string(picture) + "\"";
    const std::string soundNamed = "the sound \"" + s.SoundPath + "\"";
    const std::string what = weighsPicture && weighsSound
                                 ? pictureNamed + " and " + soundNamed + " add "
                             : weighsPicture ? pictureNamed + " adds "
                                             : "The sound \"" + s.SoundPath + "\" adds ";
    if (weight >= kWeightAdviceFrom)
        findings.push_back(
            {weight >= kWeightProblemFrom ? Severity::Problem : Severity::Advice,
             what + plainSize(weight) + " to every message sent with this stationery.",
             "Choose a smaller picture or sound, or save the picture smaller."});

    const bool pictureByPlace = !picture.empty() && isFullPath(picture);
    const bool soundByPlace = soundInUse(s) && isFullPath(s.SoundPath);
    if (pictureByPlace || soundByPlace)
        findings.push_back(
            {Severity::Advice,
             (pictureByPlace && soundByPlace
                  ? pictureNamed + " and " + soundNamed + " are named by their place"
              : pictureByPlace ? pictureNamed + " is named by its place"
                               : "The sound \"" + s.SoundPath + "\" is named by its place") +
                 " on this computer, which recipients do not have unless the mail "
                 "client sends it along.",
             "Use File > Export: as a message template the picture travels "
             "inside the message, and " +
                 std::string(kBackgroundPictureSupport.shownBy) + " show it (" +
                 std::string(kBackgroundPictureSupport.elsewhere) +
                 "); as a page, the picture and sound go beside it."});

    if (isScrolling(s) && !picture.empty())
        findings.push_back({Severity::Note,
                            "The picture scrolls by a script, which received mail never runs: "
                            "recipients see it standing still.",
                            "File > Export's form for today's mail clients and its message "
                            "template scroll it by CSS, which " +
                                std::string(kCssScrollingSupport.shownBy) + " play; " +
                                std::string(kCssScrollingSupport.elsewhere) + "."});
    if (isRealTicker(s, 1) || isRealTicker(s, 2) || isRealTicker(s, 3))
        findings.push_back({Severity::Note,
                            "The ticker writes to a status bar that today's mail clients and "
                            "browsers do not show, by a script: " +
                                std::string(kScriptSupport.elsewhere) + ".",
                            "Put anything recipients must read into the message itself."});
    if (soundInUse(s))
        findings.push_back({Severity::Note,
                            "The background sound plays only in old mail clients: " +
                                std::string(kBackgroundSoundSupport.elsewhere) +
                                ", and a message template leaves it out.",
                            "Expect recipients not to hear it."});

    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return static_cast<int>(a.severity) < static_cast<int>(b.severity);
    });
    return findings;
}

} // namespace stationery
