#include "stationery/codepage.h"

#include <gtest/gtest.h>

#include <vector>

#ifndef _WIN32
#include <iconv.h>
#endif

namespace stationery {
namespace {

std::vector<char32_t> decodeAll(std::string_view utf8) {
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < utf8.size();)
        out.push_back(nextCodePoint(utf8, pos));
    return out;
}

TEST(CodePage, DecodesUtf8AndReplacesWhatIsMalformed) {
    using V = std::vector<char32_t>;
    EXPECT_EQ(decodeAll("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), (V{U'a', 0xE9, 0x20AC, 0x1F600}));
    constexpr char32_t R = kReplacementCharacter;
    EXPECT_EQ(decodeAll("\x80z"), (V{R, U'z'}));               // stray continuation byte
    EXPECT_EQ(decodeAll("\xC3"), (V{R}));                      // truncated at the end
    EXPECT_EQ(decodeAll("\xE2\x82z"), (V{R, R, U'z'}));        // truncated in the middle
    EXPECT_EQ(decodeAll("\xC0\xAF"), (V{R, R}));               // overlong "/"
    EXPECT_EQ(decodeAll("\xED\xA0\x80"), (V{R, R, R}));        // a lone surrogate
    EXPECT_EQ(decodeAll("\xF4\x90\x80\x80"), (V{R, R, R, R})); // beyond U+10FFFF
}

TEST(CodePage, Windows1252Table) {
    EXPECT_EQ(ansiByteFor(U'A'), 'A');
    EXPECT_EQ(ansiByteFor(0), 0);
    EXPECT_EQ(ansiByteFor(0xE9), 0xE9);   // é
    EXPECT_EQ(ansiByteFor(0xA0), 0xA0);   // no-break space
    EXPECT_EQ(ansiByteFor(0x20AC), 0x80); // €
    EXPECT_EQ(ansiByteFor(0x2019), 0x92); // right single quotation mark
    EXPECT_EQ(ansiByteFor(0x0178), 0x9F); // Ÿ
    EXPECT_EQ(ansiByteFor(0x81), -1);     // a C1 control the code page does not carry
    EXPECT_EQ(ansiByteFor(0x3A9), -1);    // Ω
    EXPECT_EQ(ansiByteFor(0x1F600), -1);
}

TEST(CodePage, ByteToCharacterIsTheInverseOfCharacterToByte) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t cp = codePointForAnsiByte(static_cast<unsigned char>(byte));
        if (cp == kReplacementCharacter)
            EXPECT_TRUE(byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
                        byte == 0x9D)
                << byte;
        else
            EXPECT_EQ(ansiByteFor(cp), byte);
    }
}

#ifndef _WIN32
// The built-in table agrees with the system's converter for every byte.
TEST(CodePage, AgreesWithTheSystemConverter) {
    iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        GTEST_SKIP() << "this system's iconv has no WINDOWS-1252";
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        unsigned char out[8] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool defined = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1);
        const char32_t expected = defined
                                      ? char32_t(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24)
                                      : kReplacementCharacter;
        EXPECT_EQ(codePointForAnsiByte(static_cast<unsigned char>(byte)), expected) << byte;
    }
    iconv_close(cd);
}
#endif

} // namespace
} // namespace stationery
