#pragma once

#include "stationery/hex_color.h"
#include "stationery/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace stationery {

// Relative luminance and contrast ratio as the Web Content Accessibility Guidelines
// (2.x) define them.
double relativeLuminance(Rgb colour);
double contrastRatio(Rgb a, Rgb b);

// The colours of a picture that matter for reading text on it: its average, and the
// colours of its darkest and lightest tenth (the 10th and 90th luminance percentiles).
struct PictureColours {
    Rgb average;
    Rgb darkTenth;
    Rgb lightTenth;
};

// What the window measures for the check: from the file system and the preview
// already shown, never from reading a file whole.
struct CheckFacts {
    bool pictureExists = false;
    std::uintmax_t pictureBytes = 0;
    bool soundExists = false;
    std::uintmax_t soundBytes = 0;
    std::optional<PictureColours> picture;
};

enum class Severity { Problem, Advice, Note };

// What a finding is about; the window words each one in the reader's language.
enum class Concern {
    TextOnBackground, // `ratio`
    TextOnPicture,    // `ratio`, `lightText`
    PictureGone,      // `picture`
    SoundGone,        // `sound`
    Weight,           // `picture` and/or `sound`, `bytes`
    NamedByPlace,     // `picture` and/or `sound`
    ScrollsByScript,
    TickerByScript,
    BackgroundSound,
};

struct Finding {
    Severity severity;
    Concern concern;
    double ratio = 0;         // a contrast, never rounded up past a threshold: 4.48 is 4.4
    bool lightText = false;   // the text is lighter than the picture under it
    std::string picture = {}; // the picture concerned, if any
    std::string sound = {};   // the sound concerned, if any
    std::uintmax_t bytes = 0;
};

// Thresholds, exposed so the tests can sit on their edges.
inline constexpr double kContrastProblemBelow = 3.0;
inline constexpr double kContrastAdviceBelow = 4.5;
inline constexpr std::uintmax_t kWeightAdviceFrom = 500 * 1024;
inline constexpr std::uintmax_t kWeightProblemFrom = 5 * 1024 * 1024;

// What the people who receive mail written on this stationery will meet, most serious
// first. Empty when there is nothing to worry about.
std::vector<Finding> checkStationery(const StationerySettings& settings, const CheckFacts& facts);

} // namespace stationery
