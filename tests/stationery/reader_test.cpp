#include "file_test_support.h"
#include "stationery/codepage.h"
#include "stationery/reader.h"
#include "stationery/text_decoding.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

#include <random>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace stationery {
namespace {

// Records that reach every branch of the writer, and texts that need escaping.
std::vector<StationerySettings> writerCases() {
    std::vector<StationerySettings> cases(1); // the untouched window
    StationerySettings s;
    s.author = "My Club";
    s.title = "Spring Notes";
    s.picture = R"(C:\Images\sky.jpg)";
    s.backgroundColor = Rgb{255, 255, 204};
    s.fontSize = 10.5f;
    s.fontName = "Arial";
    s.bold = true;
    s.textColor = Rgb{0, 0, 128};
    s.leftMargin = 25;
    s.topMargin = 15;
    s.pictureWidth = 120;
    s.pictureHeight = 80;
    s.sound = "/music/a b.mid";
    s.tickers[0] = "Hello";
    s.tickers[2] = "";
    for (ScrollDirection d : {ScrollDirection::NoScroll, ScrollDirection::Up, ScrollDirection::Left,
                              ScrollDirection::Down, ScrollDirection::Right}) {
        s.direction = d;
        cases.push_back(s);
    }
    for (int noSound : {0, 1})
        for (int oe4 : {0, 1}) {
            s.noSound = noSound != 0;
            s.soundAsHiddenPicture = oe4 != 0;
            s.italic = oe4 == 1;
            cases.push_back(s);
        }
    StationerySettings hostile;
    hostile.author = "x --> b --!> &gt; &#937; -->";
    hostile.title = "Ωmega 日本 😀 \r\n two lines";
    hostile.picture = R"(C:\Pics\Tom&copy "x".jpg)";
    hostile.fontName = "O'Brien' bold";
    hostile.italic = true;
    hostile.textColor = Rgb{1, 2, 3};
    hostile.leftMargin = -12;
    hostile.topMargin = 999999;
    hostile.direction = ScrollDirection::Down;
    hostile.pictureWidth = 1;
    hostile.pictureHeight = 0;
    hostile.sound = "/m/&quot;.wav";
    hostile.tickers[0] = R"(a "quote" \ back\slash </script> \u0041 €)";
    hostile.tickers[1] = "     ";
    hostile.tickers[2] = "😀\r\n\t<!--";
    cases.push_back(hostile);
    hostile.author = "Unknown Author";
    hostile.title = "Unknown";
    hostile.fontSize = 1.0f / 3.0f;
    cases.push_back(hostile);
    return cases;
}

std::string randomText(std::mt19937& random) {
    static const std::string_view pieces[] = {"a",
                                              " ",
                                              "\"",
                                              "'",
                                              "&",
                                              "&amp;",
                                              "&#937;",
                                              "&gt;",
                                              "--",
                                              "!",
                                              ">",
                                              "<",
                                              "/",
                                              "\\",
                                              "\\u00e9",
                                              "é",
                                              "€",
                                              "Ω",
                                              "😀",
                                              "\r",
                                              "\n",
                                              "\t",
                                              "px; MARGIN-TOP: ",
                                              "' bold;",
                                              "     ",
                                              "\xFF",
                                              "\xC3",
                                              "null",
                                              "Label10",
                                              ";",
                                              "}",
                                              "bgColor=#"};
    std::string text;
    const int length = int(random() % 8);
    for (int i = 0; i < length; ++i)
        text += pieces[random() % std::size(pieces)];
    return text;
}

StationerySettings randomRecord(std::mt19937& random) {
    StationerySettings s;
    for (std::optional<std::string>* field :
         {&s.author, &s.title, &s.picture, &s.sound, &s.tickers[0], &s.tickers[1], &s.tickers[2]})
        if (random() % 2)
            *field = randomText(random);
    if (random() % 2)
        s.fontName = randomText(random);
    for (int* number : {&s.leftMargin, &s.topMargin, &s.pictureWidth, &s.pictureHeight})
        *number = int(random() % 2001) - 1000;
    for (std::optional<Rgb>* colour : {&s.backgroundColor, &s.textColor})
        if (random() % 2)
            *colour = Rgb{std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random())};
    s.fontSize = std::uniform_real_distribution<float>(0.0f, 500.0f)(random);
    s.bold = random() % 2;
    s.italic = random() % 2;
    s.direction = ScrollDirection(random() % 5);
    s.noSound = random() % 2;
    s.soundAsHiddenPicture = random() % 2;
    return s;
}

TEST(Reader, WhatTheWriterWritesReadsBackToTheSameBytes) {
    std::vector<StationerySettings> cases = writerCases();
    std::mt19937 random(11);
    for (int i = 0; i < 2000; ++i)
        cases.push_back(randomRecord(random));
    for (const StationerySettings& s : cases) {
        const std::string file = StationeryWriter::render(s);
        const std::string again = StationeryWriter::render(StationeryReader::read(file));
        ASSERT_EQ(again, file);
    }
}

TEST(Reader, ValuesComeBackAsTheWindowShowsThem) {
    const std::vector<StationerySettings> cases = writerCases();
    StationerySettings s = cases[2]; // scrolling up, with a sound
    s.tickers[1] = "";
    EXPECT_TRUE(StationeryReader::read(StationeryWriter::render(s)) == s);

    // What the file does not carry comes back as an untouched window has it.
    const StationerySettings untouched =
        StationeryReader::read(StationeryWriter::render(StationerySettings{}));
    EXPECT_EQ(untouched.author, std::nullopt);
    EXPECT_EQ(untouched.title, std::nullopt);
    EXPECT_EQ(untouched.picture, std::nullopt);
    EXPECT_EQ(untouched.sound, std::nullopt);
    EXPECT_EQ(untouched.tickers[0], ""); // a ticker left out reads as an empty field
    EXPECT_EQ(untouched.pictureWidth, 0);
}

TEST(Reader, OlderFormOpensAndIsSavedInTodaysForm) {
    const std::string older = test::crLfJoined({
        "<HTML>",
        "<HEAD>",
        "</HEAD>",
        "<!-- By Ann -->",
        "<!-- Title Caf? -->",
        "<!-- Created with Varek's Stationery Creation Program -->",
        R"(<BODY background="C:\Pics\Tom&copy.jpg" bgColor=#)",
        R"(style="BACKGROUND-ATTACHMENT: scroll;)",
        "BACKGROUND-POSITION: 0% 0%;",
        "Font: 10,5pt 'Arial' italic;",
        "COLOR: #FF0000;",
        "Font: 10,5pt 'Arial' italic;",
        R"(MARGIN-LEFT: 5px; MARGIN-TOP: 6px">)",
        R"(<DIV id=imageholder style="LEFT: 0px; POSITION: absolute; TOP: 0px; Z-INDEX: -1">)",
        "",
        "",
        R"(<BGSOUND balance=0 loop=infinite src="C:\Sounds\a.wav"volume=0>)",
        "",
        R"(<script language="javascript">)",
        "",
        "<!--",
        "",
        "var i=0;",
        "",
        R"(var msg="")",
        "",
        R"(var m1="He said "hi" in C:\temp     ")",
        "",
        R"(var m2="")",
        "",
        R"(var m3="")",
        "",
        "//-->",
        "",
        "</script></P></BODY></HTML>",
    });
    const StationerySettings s = StationeryReader::read(older);
    EXPECT_EQ(s.title, "Caf?");
    EXPECT_EQ(s.picture, R"(C:\Pics\Tom&copy.jpg)");
    EXPECT_EQ(s.backgroundColor, std::nullopt);
    EXPECT_EQ(s.fontSize, 10.5f);
    EXPECT_TRUE(s.italic);
    EXPECT_EQ(s.sound, R"(C:\Sounds\a.wav)");
    EXPECT_EQ(s.tickers[0], R"(He said "hi" in C:\temp)");
    const std::string today = StationeryWriter::render(s);
    EXPECT_NE(today.find(R"(background="C:\Pics\Tom&amp;copy.jpg")"
                         "\r\n"),
              std::string::npos);
    EXPECT_NE(today.find(R"(var m1="He said \"hi\" in C:\\temp     ")"), std::string::npos);
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(Reader, WhatIsNoStationeryIsRefusedWithItsReason) {
    const std::string good = StationeryWriter::render(StationerySettings{});
    const std::string scrolling = StationeryWriter::render(writerCases()[2]);
    using Code = ReadError::Code;
    const struct {
        std::string bytes;
        Code code;
    } cases[] = {
        {"", Code::NotOurs},
        {"<html><body>Hello</body></html>", Code::NotOurs},
        {good.substr(0, good.size() / 2), Code::NotOurs},
        {good.substr(0, 300) + std::string(1, '\0') + good.substr(300), Code::NotText},
        {std::string(StationeryReader::kMaxFileSize + 1, ' '), Code::TooLarge},
        // A margin or size by hand that the window could not hold.
        {replaced(good, "MARGIN-LEFT: 0px", "MARGIN-LEFT: xpx"), Code::BadMargin},
        {replaced(good, "MARGIN-TOP: 0px", "MARGIN-TOP: 1empx"), Code::BadMargin},
        {replaced(scrolling, "sizew=120", "sizew=wide"), Code::BadPictureSize},
    };
    for (const auto& c : cases) {
        try {
            StationeryReader::read(c.bytes);
            ADD_FAILURE() << "accepted: " << c.bytes.substr(0, 40);
        } catch (const ReadError& error) {
            EXPECT_EQ(error.code(), c.code) << error.what();
        }
    }
    // An older file's margin left empty is none, as a browser takes it.
    EXPECT_EQ(
        StationeryReader::read(replaced(good, "MARGIN-LEFT: 0px", "MARGIN-LEFT: px")).leftMargin,
        0);
}

TEST(Reader, FileErrorsNameTheFileAndTheReason) {
    test::TemporaryFolder folder;
    using Code = ReadError::Code;
    const auto expectReason = [](const std::filesystem::path& path, Code code,
                                 const std::string& detail = {}) {
        try {
            StationeryReader::readFile(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const ReadError& error) {
            EXPECT_EQ(error.file(), path) << error.what();
            EXPECT_EQ(error.code(), code) << error.what();
            EXPECT_NE(error.detail().find(detail), std::string::npos) << error.what();
        }
    };
    expectReason(folder.path() / "gone.htm", Code::SystemError, "No such file or directory");
    expectReason(folder.path(), Code::IsFolder);
    test::writeFile(folder.path() / "big.htm",
                    std::string(StationeryReader::kMaxFileSize + 1, 'x'));
    expectReason(folder.path() / "big.htm", Code::TooLarge);
#ifndef _WIN32
    // Pipes and devices never end or block: refused before they are opened.
    ASSERT_EQ(::mkfifo((folder.path() / "pipe.htm").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.path() / "zero.htm");
    for (const char* name : {"pipe.htm", "zero.htm"})
        expectReason(folder.path() / name, Code::NotRegularFile);
#endif
    // A junk font size is quoted short, not the megabyte behind it.
    std::string junk = StationeryWriter::render(StationerySettings{});
    junk.replace(junk.find("Font: 8pt"), 9, "Font: " + std::string(500000, '9') + "x" + "pt");
    test::writeFile(folder.path() / "junk.htm", junk);
    try {
        StationeryReader::readFile(folder.path() / "junk.htm");
        ADD_FAILURE() << "junk font size accepted";
    } catch (const ReadError& error) {
        EXPECT_LT(std::string(error.what()).size(), 200u);
    }
    test::writeFile(folder.path() / "page.htm", "<html></html>");
    expectReason(folder.path() / "page.htm", Code::NotOurs);

    StationerySettings s;
    s.title = "Saved";
    StationeryWriter::save(folder.path() / "ok.htm", s);
    EXPECT_EQ(StationeryReader::readFile(folder.path() / "ok.htm").title, "Saved");
}

// What a text editor does to a file: a byte order mark, another line end, spaces after
// lines, blank lines, and the whole file saved again as UTF-8.
TEST(Reader, ReadsFilesThatMetATextEditor) {
    StationerySettings s = writerCases().back();
    s.title = "Caf\u00E9 \u00E9t\u00E9 \u03A9";
    s.tickers[0] = "\u00BFQu\u00E9?";
    const std::string file = StationeryWriter::render(s);
    const auto edited = [&](bool bom, bool lf, bool trailing, bool blank, bool utf8) {
        std::string out = bom ? "\xEF\xBB\xBF" : "";
        for (std::string line : test::splitCrLfLines(file)) {
            if (utf8) { // Windows-1252 bytes as UTF-8
                std::string converted;
                for (const char c : line)
                    appendUtf8(converted, codePointForAnsiByte(static_cast<unsigned char>(c)));
                line = converted;
            }
            out += line + (trailing ? " \t " : "") + (lf ? "\n" : "\r\n");
            if (blank)
                out += lf ? "\n" : "\r\n";
        }
        return out;
    };
    for (int mask = 0; mask < 32; ++mask) {
        const std::string bytes = edited(mask & 1, mask & 2, mask & 4, mask & 8, mask & 16);
        // Read back as written, so Save writes today's exact form again.
        const StationerySettings read = StationeryReader::read(bytes);
        EXPECT_EQ(read.title, s.title) << "edits " << mask;
        EXPECT_EQ(StationeryWriter::render(read), file) << "edits " << mask;
    }
}

TEST(Reader, OpensWhateverSaveWrites) {
    // Long texts in a script of three bytes a character, each written as a reference.
    StationerySettings s;
    const std::string cjk = "\u6F22\u5B57";
    for (std::optional<std::string>* field :
         {&s.author, &s.title, &s.tickers[0], &s.tickers[1], &s.tickers[2]}) {
        field->emplace();
        for (int i = 0; i < 60000; ++i)
            **field += cjk;
    }
    const std::string file = StationeryWriter::render(s);
    ASSERT_GT(file.size(), 1024u * 1024u);
    EXPECT_EQ(StationeryReader::read(file), s);
}

} // namespace
} // namespace stationery
