#include "stationery/hex_color.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

TEST(HexColor, RedGreenBlueInUpperCaseAndBack) {
    const std::pair<Rgb, const char*> cases[] = {
        {{255, 0, 0}, "FF0000"}, {{0, 255, 0}, "00FF00"},     {{0, 0, 255}, "0000FF"},
        {{0, 0, 0}, "000000"},   {{255, 255, 255}, "FFFFFF"}, {{255, 128, 64}, "FF8040"},
    };
    for (const auto& [rgb, hex] : cases) {
        EXPECT_EQ(hexColor(rgb), hex);
        EXPECT_EQ(parseHexColor(hex), rgb);
    }
    EXPECT_EQ(parseHexColor("ff8040"), (Rgb{255, 128, 64}));
    EXPECT_EQ(parseHexColor("FF804"), std::nullopt);
    EXPECT_EQ(parseHexColor("GG8040"), std::nullopt);
}

} // namespace
} // namespace stationery
