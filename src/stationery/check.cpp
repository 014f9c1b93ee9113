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

// "no mail client…" as a sentence's start: "No mail client…".
std::string capitalised(std::string_view text) {
    std::string out(text);
    if (!out.empty())
        out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    return out;
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
    const Rgb text = s.textColor.value_or(kBlack);
    const Rgb background = s.backgroundColor.value_or(kWhite);
    const double onBackground = contrastRatio(text, background);
    if (const auto severity = contrastSeverity(onBackground))
        findings.push_back(
            {*severity,
             "Text on the background colour: " + ratioText(onBackground) + "; aim for 4.5:1.",
             "Choose a text colour further from the background colour, darker on "
             "a light background or lighter on a dark one."});
    if (facts.picture && !picturePath(s).empty()) {
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

    const std::string_view picture = picturePath(s);
    const std::string sound(soundPath(s));
    if (!picture.empty() && !facts.pictureExists)
        findings.push_back({Severity::Problem,
                            "The picture \"" + std::string(picture) + "\" no longer exists.",
                            "Choose the picture again on the Image tab."});
    if (soundInUse(s) && !facts.soundExists)
        findings.push_back({Severity::Problem, "The sound \"" + sound + "\" no longer exists.",
                            "Choose the sound again on the Sound tab, or tick \"No Sound\"."});

    const bool weighsPicture = facts.pictureExists && !picture.empty() && facts.pictureBytes > 0;
    const bool weighsSound = facts.soundExists && soundInUse(s) && facts.soundBytes > 0;
    const std::uintmax_t weight =
        (weighsPicture ? facts.pictureBytes : 0) + (weighsSound ? facts.soundBytes : 0);
    const std::string pictureNamed = "The picture \"" + std::string(picture) + "\"";
    const std::string soundNamed = "the sound \"" + sound + "\"";
    const std::string what = weighsPicture && weighsSound
                                 ? pictureNamed + " and " + soundNamed + " add "
                             : weighsPicture ? pictureNamed + " adds "
                                             : "The sound \"" + sound + "\" adds ";
    if (weight >= kWeightAdviceFrom)
        findings.push_back(
            {weight >= kWeightProblemFrom ? Severity::Problem : Severity::Advice,
             what + plainSize(weight) + " to every message sent with this stationery.",
             "Choose a smaller picture or sound, or save the picture smaller."});

    const bool pictureByPlace = !picture.empty() && isFullPath(picture);
    const bool soundByPlace = soundInUse(s) && isFullPath(sound);
    if (pictureByPlace || soundByPlace)
        findings.push_back(
            {Severity::Advice,
             (pictureByPlace && soundByPlace
                  ? pictureNamed + " and " + soundNamed + " are named by their place"
              : pictureByPlace ? pictureNamed + " is named by its place"
                               : "The sound \"" + sound + "\" is named by its place") +
                 " on this computer. Recipients do not have it unless the mail client sends "
                 "it along.",
             "Use File > New Message in Mail Client, or Export's message template. The "
             "picture then travels inside the message."});

    if (isScrolling(s) && !picture.empty())
        findings.push_back({Severity::Note,
                            "The picture scrolls by a script. Received mail never runs one, so "
                            "recipients see it standing still.",
                            "The message template scrolls it by CSS instead, which " +
                                std::string(kCssScrollingSupport.shownBy) + " play."});
    if (partsSet(s).ticker)
        findings.push_back({Severity::Note,
                            "The ticker writes to a status bar by a script. " +
                                capitalised(kScriptSupport.elsewhere) + ".",
                            "Put anything recipients must read into the message itself."});
    if (soundInUse(s))
        findings.push_back({Severity::Note,
                            "The background sound plays only in old mail clients. The message "
                            "template leaves it out.",
                            "Expect recipients not to hear it."});

    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return static_cast<int>(a.severity) < static_cast<int>(b.severity);
    });
    return findings;
}

} // namespace stationery
