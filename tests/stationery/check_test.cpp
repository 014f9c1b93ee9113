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

std::vector<Finding> about(const std::vector<Finding>& findings, Concern concern) {
    std::vector<Finding> out;
    for (const Finding& f : findings)
        if (f.concern == concern)
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
        double shown;
    } cases[] = {
        {"767676", std::nullopt, 0},        // 4.54:1
        {"777777", Severity::Advice, 4.4},  // 4.48:1, never shown rounded up
        {"949494", Severity::Advice, 3.0},  // 3.03:1
        {"959595", Severity::Problem, 2.9}, // 2.99:1
    };
    for (const auto& c : cases) {
        StationerySettings s;
        s.textColor = parseHexColor(c.text);
        const auto found = about(checkStationery(s, {}), Concern::TextOnBackground);
        if (!c.expected) {
            EXPECT_TRUE(found.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << c.text;
        EXPECT_EQ(found[0].severity, *c.expected) << c.text;
        EXPECT_DOUBLE_EQ(found[0].ratio, c.shown) << c.text;
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
    EXPECT_TRUE(about(checkStationery(s, facts), Concern::TextOnPicture).empty());
    // A dark tenth that black text cannot be read on.
    facts.picture->darkTenth = {40, 40, 40};
    const auto found = about(checkStationery(s, facts), Concern::TextOnPicture);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, Severity::Problem);
    EXPECT_DOUBLE_EQ(found[0].ratio, 1.4);

    // The advice points away from the text colour.
    const struct {
        const char* text;
        Rgb picture;
        bool lightText;
    } kDirections[] = {{"000000", {90, 90, 90}, false}, {"FFFFFF", {200, 200, 200}, true}};
    for (const auto& c : kDirections) {
        s.textColor = parseHexColor(c.text);
        facts.picture = PictureColours{c.picture, c.picture, c.picture};
        const auto advice = about(checkStationery(s, facts), Concern::TextOnPicture);
        ASSERT_EQ(advice.size(), 1u) << c.text;
        EXPECT_EQ(advice[0].lightText, c.lightText) << c.text;
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
        return about(checkStationery(s, facts), Concern::Weight);
    };
    EXPECT_TRUE(weight(kWeightAdviceFrom - 1, 0).empty());
    ASSERT_EQ(weight(kWeightAdviceFrom - 100, 100).size(), 1u);
    EXPECT_EQ(weight(kWeightAdviceFrom - 100, 100)[0].severity, Severity::Advice);
    EXPECT_EQ(weight(kWeightProblemFrom - 1, 0)[0].severity, Severity::Advice);
    EXPECT_EQ(weight(kWeightProblemFrom, 0)[0].severity, Severity::Problem);
    // The finding names only what travels.
    const struct {
        std::uintmax_t picture, sound;
        const char *pictureNamed, *soundNamed;
    } kSubjects[] = {{kWeightProblemFrom, 0, "sky.jpg", ""},
                     {0, kWeightProblemFrom, "", "chime.wav"},
                     {kWeightProblemFrom / 2, kWeightProblemFrom / 2, "sky.jpg", "chime.wav"}};
    for (const auto& c : kSubjects) {
        const Finding found = weight(c.picture, c.sound).at(0);
        EXPECT_EQ(found.bytes, kWeightProblemFrom);
        EXPECT_EQ(found.picture, c.pictureNamed);
        EXPECT_EQ(found.sound, c.soundNamed);
    }
    // "No Sound" ticked: the sound does not travel.
    s.noSound = 1;
    EXPECT_TRUE(weight(kWeightAdviceFrom - 1, kWeightProblemFrom).empty());
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
    EXPECT_EQ(findings[0].concern, Concern::PictureGone);
    EXPECT_EQ(findings[0].picture, "/home/ann/sky.jpg");
    // Each file reported is named by its path.
    const auto byPlace = about(findings, Concern::NamedByPlace);
    ASSERT_EQ(byPlace.size(), 1u);
    EXPECT_EQ(byPlace[0].sound, "C:\\Sounds\\chime.wav");

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
