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
    s.AuthorName = "My Club";
    s.Title = "Spring Notes";
    s.ImagePath = R"(C:\Images\sky.jpg)";
    s.BackgroundColor = Rgb{255, 255, 204};
    s.FontSize = 10.5f;
    s.FontName = "Arial";
    s.FontBold = true;
    s.TextColor = Rgb{0, 0, 128};
    s.LeftMargin = "25";
    s.TopMargin = "15";
    s.ImageWidth = "120";
    s.ImageHeight = "80";
    s.SoundPath = "/music/a b.mid";
    s.TickerText1 = "Hello";
    s.TickerText3 = "";
    for (ScrollDirection d : {ScrollDirection::NoScroll, ScrollDirection::Up, ScrollDirection::Left,
                              ScrollDirection::Down, ScrollDirection::Right}) {
        s.Direction = d;
        cases.push_back(s);
    }
    for (int noSound : {0, 1})
        for (int oe4 : {0, 1}) {
            s.NoSound = noSound != 0;
            s.OutlookExpress4 = oe4 != 0;
            s.FontItalic = oe4 == 1;
            cases.push_back(s);
        }
    StationerySettings hostile;
    hostile.AuthorName = "x --> b --!> &gt; &#937; -->";
    hostile.Title = "Ωmega 日本 😀 \r\n two lines";
    hostile.ImagePath = R"(C:\Pics\Tom&copy "x".jpg)";
    hostile.FontName = "O'Brien' bold";
    hostile.FontItalic = true;
    hostile.TextColor = Rgb{1, 2, 3};
    hostile.LeftMargin = "1px; MARGIN-TOP: 2";
    hostile.TopMargin = "&#65;";
    hostile.Direction = ScrollDirection::Down;
    hostile.ImageWidth = "&#937;";
    hostile.ImageHeight = "Ω";
    hostile.SoundPath = "/m/&quot;.wav";
    hostile.TickerText1 = R"(a "quote" \ back\slash </script> \u0041 €)";
    hostile.TickerText2 = "     ";
    hostile.TickerText3 = "😀\r\n\t<!--";
    cases.push_back(hostile);
    hostile.AuthorName = "Unknown Author";
    hostile.Title = "Unknown";
    hostile.FontSize = 1.0f / 3.0f;
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
    for (std::string* field : {&s.AuthorName, &s.Title, &s.ImagePath, &s.FontName, &s.LeftMargin,
                               &s.TopMargin, &s.ImageWidth, &s.ImageHeight, &s.SoundPath,
                               &s.TickerText1, &s.TickerText2, &s.TickerText3})
        if (random() % 2)
            *field = randomText(random);
    for (std::optional<Rgb>* colour : {&s.BackgroundColor, &s.TextColor})
        if (random() % 2)
            *colour = Rgb{std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random())};
    s.FontSize = std::uniform_real_distribution<float>(0.0f, 500.0f)(random);
    s.FontBold = random() % 2;
    s.FontItalic = random() % 2;
    s.Direction = ScrollDirection(random() % 5);
    s.NoSound = random() % 2;
    s.OutlookExpress4 = random() % 2;
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
    s.TickerText2 = "";
    EXPECT_TRUE(StationeryReader::read(StationeryWriter::render(s)) == s);

    // What the file does not carry comes back as an untouched window has it.
    const StationerySettings untouched =
        StationeryReader::read(StationeryWriter::render(StationerySettings{}));
    EXPECT_EQ(untouched.AuthorName, kAuthorPlaceholder);
    EXPECT_EQ(untouched.Title, kTitlePlaceholder);
    EXPECT_EQ(untouched.ImagePath, kNoImage);
    EXPECT_EQ(untouched.SoundPath, kNoSound);
    EXPECT_EQ(untouched.TickerText1, ""); // a ticker left out reads as an empty field
    EXPECT_EQ(untouched.ImageWidth, "0");
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
    EXPECT_EQ(s.Title, "Caf?");
    EXPECT_EQ(s.ImagePath, R"(C:\Pics\Tom&copy.jpg)");
    EXPECT_EQ(s.BackgroundColor, std::nullopt);
    EXPECT_EQ(s.FontSize, 10.5f);
    EXPECT_TRUE(s.FontItalic);
    EXPECT_EQ(s.SoundPath, R"(C:\Sounds\a.wav)");
    EXPECT_EQ(s.TickerText1, R"(He said "hi" in C:\temp)");
    const std::string today = StationeryWriter::render(s);
    EXPECT_NE(today.find(R"(background="C:\Pics\Tom&amp;copy.jpg")"
                         "\r\n"),
              std::string::npos);
    EXPECT_NE(today.find(R"(var m1="He said \"hi\" in C:\\temp     ")"), std::string::npos);
}

TEST(Reader, WhatIsNoStationeryIsRefusedWithItsReason) {
    const std::string good = StationeryWriter::render(StationerySettings{});
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
    };
    for (const auto& c : cases) {
        try {
            StationeryReader::read(c.bytes);
            ADD_FAILURE() << "accepted: " << c.bytes.substr(0, 40);
        } catch (const ReadError& error) {
            EXPECT_EQ(error.code(), c.code) << error.what();
        }
    }
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
    s.Title = "Saved";
    StationeryWriter::save(folder.path() / "ok.htm", s);
    EXPECT_EQ(StationeryReader::readFile(folder.path() / "ok.htm").Title, "Saved");
}

// What a text editor does to a file: a byte order mark, another line end, spaces after
// lines, blank lines, and the whole file saved again as UTF-8.
TEST(Reader, ReadsFilesThatMetATextEditor) {
    StationerySettings s = writerCases().back();
    s.Title = "Caf\u00E9 \u00E9t\u00E9 \u03A9";
    s.TickerText1 = "\u00BFQu\u00E9?";
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
        EXPECT_EQ(read.Title, s.Title) << "edits " << mask;
        EXPECT_EQ(StationeryWriter::render(read), file) << "edits " << mask;
    }
}

TEST(Reader, OpensWhateverSaveWrites) {
    // Long texts in a script of three bytes a character, each written as a reference.
    StationerySettings s;
    const std::string cjk = "\u6F22\u5B57";
    for (std::string* field :
         {&s.AuthorName, &s.Title, &s.TickerText1, &s.TickerText2, &s.TickerText3}) {
        field->clear();
        for (int i = 0; i < 60000; ++i)
            *field += cjk;
    }
    const std::string file = StationeryWriter::render(s);
    ASSERT_GT(file.size(), 1024u * 1024u);
    EXPECT_EQ(StationeryReader::read(file), s);
}

} // namespace
} // namespace stationery
