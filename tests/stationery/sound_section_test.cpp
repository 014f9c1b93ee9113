#include "file_test_support.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

std::vector<std::string> soundLines(bool noSound, bool oe4, std::string path) {
    StationerySettings s;
    s.noSound = noSound;
    s.soundAsHiddenPicture = oe4;
    s.sound = std::move(path);
    return test::sectionLines(&StationeryWriter::writeBackgroundSound, s);
}

const std::string kChime = R"(C:\Media\chime.wav)";

TEST(BackgroundSound, PlainForm) {
    const std::vector<std::string> expected = {
        "", R"(<BGSOUND balance=0 loop=infinite src="C:\Media\chime.wav"volume=0>)", ""};
    EXPECT_EQ(soundLines(0, 0, kChime), expected);
}

TEST(BackgroundSound, OutlookExpress4Form) {
    const std::vector<std::string> expected = {
        "",
        R"(<IMG height=10 id=music src="C:\Media\chime.wav"style="DISPLAY: none"  width=10 >)",
        R"(<BGSOUND id=sound src=""'+' loop="infinite">)",
        "",
        "<SCRIPT language=VBScript>",
        "",
        "sound.src=music.src",
        "",
        "</SCRIPT>",
        "",
        "",
    };
    EXPECT_EQ(soundLines(0, 1, kChime), expected);
}

TEST(BackgroundSound, NoSoundWinsOverEverything) {
    EXPECT_EQ(soundLines(1, 0, kChime), std::vector<std::string>{""});
    EXPECT_EQ(soundLines(1, 1, kChime), std::vector<std::string>{""});
}

TEST(BackgroundSound, PathIsWrittenAsChosen) {
    EXPECT_EQ(soundLines(0, 0, "null")[1],
              R"(<BGSOUND balance=0 loop=infinite src="null"volume=0>)");
    EXPECT_EQ(soundLines(0, 0, "/home/me/My Music/a b.mid")[1],
              R"(<BGSOUND balance=0 loop=infinite src="/home/me/My Music/a b.mid"volume=0>)");
    // A double quote, legal in file names here, must not end the attribute.
    EXPECT_EQ(
        soundLines(0, 1, "/m/\"x\".wav")[1],
        R"(<IMG height=10 id=music src="/m/&quot;x&quot;.wav"style="DISPLAY: none"  width=10 >)");
    EXPECT_EQ(soundLines(0, 1, "/other.mid")[2], soundLines(0, 1, kChime)[2]);
    // "&" followed by letters would read as a character reference.
    EXPECT_EQ(soundLines(0, 0, "/m/Tom&copy.mid")[1],
              R"(<BGSOUND balance=0 loop=infinite src="/m/Tom&amp;copy.mid"volume=0>)");
}

} // namespace
} // namespace stationery
