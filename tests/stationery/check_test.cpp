#include "stationery/check.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

std::vector<Severity> severities(const std::vector<Finding>& findings) {
    std::vector<Severity> out;
    for (const Finding& f : findings)
        out.push_back(f.severity);
    return out;
}

// The findings whose meaning starts with `prefix`.
std::vector<Finding> about(const std::vector<Finding>& findings, std::string_view prefix) {
    std::vector<Finding> out;
    for (const Finding& f : findings)
        if (std::string_view(f.meaning).starts_with(prefix))
            out.push_back(f);
    return out;
}

TEST(Check, ContrastArithmetic) {
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({12, 34, 56}, {12, 34, 56}), 1.0);
    EXPECT_NEAR(contrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, 0.005);
    EXPECT_NEAR(relativeLuminance({255, 0, 0}), 0.2126, 1e-9);
    EXPECT_EQ(parseHexColor("FFFFCC"), (Rgb{255, 255, 204}));
    EXPECT_EQ(parseHexColor(""), std::nullopt);
    EXPECT_EQ(parseHexColor("GG0000"), std::nullopt);
}

TEST(Check, TextOnTheBackgroundAtTheThresholds) {
    const struct {
        const char* text;
        std::optional<Severity> expected;
        const char* shown;
    } cases[] = {
        {"767676", std::nullopt, ""},           // 4.54:1
        {"777777", Severity::Advice, "4.4:1"},  // 4.48:1, never shown rounded up
        {"949494", Severity::Advice, "3:1"},    // 3.03:1
        {"959595", Severity::Problem, "2.9:1"}, // 2.99:1
    };
    for (const auto& c : cases) {
        StationerySettings s;
        s.textColor = parseHexColor(c.text);
        const auto found = about(checkStationery(s, {}), "Text on the background");
        if (!c.expected) {
            EXPECT_TRUE(found.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << c.text;
        EXPECT_EQ(found[0].severity, *c.expected) << c.text;
        EXPECT_EQ(found[0].meaning,
                  std::string("Text on the background colour: ") + c.shown + "; aim for 4.5:1.");
    }
    // No colours chosen: the client's black on white.
    EXPECT_TRUE(checkStationery(StationerySettings{}, {}).empty());
}

TEST(Check, TextOnThePictureUsesItsWorstPart) {
    StationerySettings s;
    s.picture = "sky.jpg";
    CheckFacts facts;
    facts.pictureExists = true;
    facts.picture = PictureColours{{250, 250, 250}, {240, 240, 240}, {255, 255, 255}};
    EXPECT_TRUE(about(checkStationery(s, facts), "Text on the picture").empty());
    // A dark tenth that black text cannot be read on.
    facts.picture->darkTenth = {40, 40, 40};
    const auto found = about(checkStationery(s, facts), "Text on the picture");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, Severity::Problem);
    EXPECT_EQ(found[0].meaning, "Text on the picture: 1.4:1; aim for 4.5:1.");

    // The advice points away from the text colour.
    const struct {
        const char* text;
        Rgb picture;
        const char* advice;
    } kDirections[] = {{"000000", {90, 90, 90}, "paler"}, {"FFFFFF", {200, 200, 200}, "darker"}};
    for (const auto& c : kDirections) {
        s.textColor = parseHexColor(c.text);
        facts.picture = PictureColours{c.picture, c.picture, c.picture};
        const auto advice = about(checkStationery(s, facts), "Text on the picture");
        ASSERT_EQ(advice.size(), 1u) << c.text;
        EXPECT_NE(advice[0].action.find(c.advice), std::string::npos) << advice[0].action;
    }
}

TEST(Check, WeightAtTheThresholds) {
    StationerySettings s;
    s.picture = "sky.jpg";
    s.sound = "chime.wav";
    CheckFacts facts;
    facts.pictureExists = facts.soundExists = true;
    const auto weight = [&](std::uintmax_t picture, std::uintmax_t sound) {
        facts.pictureBytes = picture;
        facts.soundBytes = sound;
        std::vector<Finding> found;
        for (const Finding& f : checkStationery(s, facts))
            if (f.meaning.find(" to every message ") != std::string::npos)
                found.push_back(f);
        return found;
    };
    EXPECT_TRUE(weight(kWeightAdviceFrom - 1, 0).empty());
    ASSERT_EQ(weight(kWeightAdviceFrom - 100, 100).size(), 1u);
    EXPECT_EQ(weight(kWeightAdviceFrom - 100, 100)[0].severity, Severity::Advice);
    EXPECT_EQ(weight(kWeightProblemFrom - 1, 0)[0].severity, Severity::Advice);
    EXPECT_EQ(weight(kWeightProblemFrom, 0)[0].severity, Severity::Problem);
    EXPECT_NE(weight(kWeightProblemFrom, 0)[0].meaning.find("5.0 MB"), std::string::npos);
    // The finding names only what travels.
    const struct {
        std::uintmax_t picture, sound;
        const char* subject;
    } kSubjects[] = {{kWeightProblemFrom, 0, "The picture \"sky.jpg\" adds 5.0 MB"},
                     {0, kWeightProblemFrom, "The sound \"chime.wav\" adds 5.0 MB"},
                     {kWeightProblemFrom / 2, kWeightProblemFrom / 2,
                      "The picture \"sky.jpg\" and the sound \"chime.wav\" add 5.0 MB"}};
    for (const auto& c : kSubjects)
        EXPECT_TRUE(weight(c.picture, c.sound)[0].meaning.starts_with(c.subject)) << c.subject;
    // "No Sound" ticked: the sound does not travel.
    s.noSound = 1;
    EXPECT_TRUE(weight(kWeightAdviceFrom - 1, kWeightProblemFrom).empty());
    EXPECT_EQ(plainSize(640 * 1024), "640 KB");
    EXPECT_EQ(plainSize(999), "999 bytes");
}

TEST(Check, MissingFilesFullPathsAndWhatTodaysClientsDrop) {
    StationerySettings s;
    s.picture = "/home/ann/sky.jpg";
    s.sound = "C:\\Sounds\\chime.wav";
    s.direction = ScrollDirection::Up;
    s.tickers[1] = "Hello";
    const auto findings = checkStationery(s, {});
    EXPECT_EQ(severities(findings),
              (std::vector<Severity>{Severity::Problem, Severity::Problem, Severity::Advice,
                                     Severity::Note, Severity::Note, Severity::Note}));
    EXPECT_EQ(findings[0].meaning, "The picture \"/home/ann/sky.jpg\" no longer exists.");
    // Each file reported is named by its path.
    const auto byPlace = about(findings, "The picture \"/home/ann/sky.jpg\" and the sound "
                                         "\"C:\\Sounds\\chime.wav\" are named by their place");
    EXPECT_EQ(byPlace.size(), 1u);
    // The advice comes in short sentences: none over 25 words, file names counted as one.
    for (const Finding& finding : findings) {
        for (const std::string& text : {finding.meaning, finding.action}) {
            int words = 0;
            bool quoted = false;
            for (std::size_t i = 0; i < text.size(); ++i) {
                if (text[i] == '"')
                    quoted = !quoted;
                if (!quoted && text[i] == ' ')
                    ++words;
                if (!quoted && (text[i] == '.' || text[i] == ';') &&
                    (i + 1 == text.size() || text[i + 1] == ' ')) {
                    EXPECT_LE(words + 1, 25) << text;
                    words = -1;
                }
            }
        }
    }

    // Parts not in use bring no notes; bare names are no full paths.
    s.picture = "sky.jpg";
    s.noSound = 1;
    s.direction = ScrollDirection::NoScroll;
    s.tickers[1] = "";
    CheckFacts facts;
    facts.pictureExists = true;
    EXPECT_TRUE(checkStationery(s, facts).empty());
}

} // namespace
} // namespace stationery
