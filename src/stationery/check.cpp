#include "stationery/check.h"

#include "stationery/file_names.h"

#include <algorithm>
#include <cmath>

namespace stationery {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// A ratio to one decimal, floored so that 4.48 never reads as 4.5.
double flooredToTenths(double ratio) {
    return std::floor(ratio * 10.0 + 1e-9) / 10.0;
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
        findings.push_back({*severity, Concern::TextOnBackground, flooredToTenths(onBackground)});
    if (facts.picture && !picturePath(s).empty()) {
        const double onPicture = std::min({contrastRatio(text, facts.picture->average),
                                           contrastRatio(text, facts.picture->darkTenth),
                                           contrastRatio(text, facts.picture->lightTenth)});
        // The advice points away from the text: a paler picture under dark text.
        const bool lightText = relativeLuminance(text) > relativeLuminance(facts.picture->average);
        if (const auto severity = contrastSeverity(onPicture))
            findings.push_back(
                {*severity, Concern::TextOnPicture, flooredToTenths(onPicture), lightText});
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

std::vector<Finding> checkStationery(const StationerySettings& s, const CheckFacts& facts) {
    std::vector<Finding> findings;
    readability(s, facts, findings);

    const std::string picture(picturePath(s));
    const std::string sound(soundInUse(s) ? soundPath(s) : std::string_view());
    const auto about = [](Severity severity, Concern concern, std::string pictureNamed,
                          std::string soundNamed, std::uintmax_t bytes = 0) {
        Finding finding{severity, concern};
        finding.picture = std::move(pictureNamed);
        finding.sound = std::move(soundNamed);
        finding.bytes = bytes;
        return finding;
    };
    if (!picture.empty() && !facts.pictureExists)
        findings.push_back(about(Severity::Problem, Concern::PictureGone, picture, {}));
    if (!sound.empty() && !facts.soundExists)
        findings.push_back(about(Severity::Problem, Concern::SoundGone, {}, sound));

    // Only what travels counts, and only what it names.
    const bool weighsPicture = facts.pictureExists && !picture.empty() && facts.pictureBytes > 0;
    const bool weighsSound = facts.soundExists && !sound.empty() && facts.soundBytes > 0;
    const std::uintmax_t weight =
        (weighsPicture ? facts.pictureBytes : 0) + (weighsSound ? facts.soundBytes : 0);
    if (weight >= kWeightAdviceFrom)
        findings.push_back(about(
            weight >= kWeightProblemFrom ? Severity::Problem : Severity::Advice, Concern::Weight,
            weighsPicture ? picture : std::string(), weighsSound ? sound : std::string(), weight));

    const bool pictureByPlace = !picture.empty() && isFullPath(picture);
    const bool soundByPlace = !sound.empty() && isFullPath(sound);
    if (pictureByPlace || soundByPlace)
        findings.push_back(about(Severity::Advice, Concern::NamedByPlace,
                                 pictureByPlace ? picture : std::string(),
                                 soundByPlace ? sound : std::string()));

    if (isScrolling(s) && !picture.empty())
        findings.push_back({Severity::Note, Concern::ScrollsByScript});
    if (partsSet(s).ticker)
        findings.push_back({Severity::Note, Concern::TickerByScript});
    if (!sound.empty())
        findings.push_back({Severity::Note, Concern::BackgroundSound});

    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return static_cast<int>(a.severity) < static_cast<int>(b.severity);
    });
    return findings;
}

} // namespace stationery
