#include "stationery/hex_color.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

TEST(HexColor, ReordersToRedGreenBlue) {
    EXPECT_EQ(hexColor(255), "FF0000");
    EXPECT_EQ(hexColor(65280), "00FF00");
    EXPECT_EQ(hexColor(16711680), "0000FF");
    EXPECT_EQ(hexColor(0), "000000");
    EXPECT_EQ(hexColor(16777215), "FFFFFF");
    EXPECT_EQ(hexColor(255 | 128 << 8 | 64 << 16), "FF8040");
    EXPECT_EQ(hexColor(0x12ABCDEF), "EFCDAB"); // only the last six digits count
}

} // namespace
} // namespace stationery
