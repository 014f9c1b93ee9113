// Every file the program writes opens again: the page for today's mail clients and the
// message template give back every choice they carry.
#include "file_test_support.h"
#include "stationery/export.h"
#include "stationery/open_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stationery {
namespace {

namespace fs = std::filesystem;

StationerySettings everyChoice(const fs::path& picture) {
    StationerySettings s;
    s.picture = utf8FromPath(picture);
    s.pictureWidth = 120;
    s.pictureHeight = 80;
    s.textColor = Rgb{0, 0, 128};
    s.backgroundColor = Rgb{255, 255, 204};
    s.fontName = "Trebuchet MS";
    s.fontSize = 10.5f;
    s.bold = true;
    s.italic = true;
    s.leftMargin = 25;
    s.topMargin = 15;
    s.direction = ScrollDirection::Left;
    s.title = "Ωmega & \"friends\" <tag>";
    s.author = "Zoë";
    s.sound = "/music/chime.wav";
    s.tickers[0] = "Hello";
    return s;
}

// What comes back: everything the forms carry; sound and ticker as an untouched
// window has them.
StationerySettings carried(StationerySettings s, std::optional<std::string> picture) {
    const StationerySettings untouched;
    s.picture = std::move(picture);
    s.sound = untouched.sound;
    s.tickers[0] = untouched.tickers[0];
    return s;
}

// A template in the layouts this program wrote before, from one it writes now: the page
// (with its picture) alone, and the text and that page as alternatives.
std::vector<std::string> earlierLayouts(const std::string& message) {
    const std::string related = "=_stationery_related";
    const std::size_t html = message.find("Content-Type: text/html");
    const std::size_t htmlEnd = message.find("\r\n--=_stationery_alternative--", html);
    const std::size_t picture = message.find("\r\n--" + related + "\r\n", htmlEnd);
    EXPECT_NE(htmlEnd, std::string::npos);
    const std::string head = message.substr(0, message.find("Content-Type: multipart/"));
    const std::string page = message.substr(html, htmlEnd - html);
    std::string pageAlone = page;
    if (picture != std::string::npos)
        pageAlone = "Content-Type: multipart/related; type=\"text/html\";\r\n boundary=\"" +
                    related + "\"\r\n\r\n--" + related + "\r\n" + page +
                    message.substr(picture); // the picture part and the closing delimiter
    const std::string text = "Content-Type: text/plain; charset=UTF-8\r\n"
                             "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
    return {head + pageAlone,
            head +
                "Content-Type: multipart/alternative; boundary=\"=_stationery_alternative\""
                "\r\n\r\n--=_stationery_alternative\r\n" +
                text + "\r\n--=_stationery_alternative\r\n" + pageAlone +
                "\r\n--=_stationery_alternative--\r\n"};
}

TEST(OpenFile, TodaysPageAndTemplateGiveBackEveryChoiceTheyCarry) {
    test::TemporaryFolder folder;
    const fs::path picture = folder.path() / "sea view.jpg";
    const std::string bytes = "\xFF\xD8\xFF\xE0" + std::string(5000, 'p');
    test::writeFile(picture, bytes);
    const StationerySettings s = everyChoice(picture);
    const fs::path pictures = folder.path() / "pictures";
    fs::create_directory(folder.path() / "out");

    exportStationery(folder.path() / "out" / "page.htm", s, ExportForm::TodaysClients);
    const OpenedStationery page = openStationeryFile(folder.path() / "out" / "page.htm", pictures);
    EXPECT_TRUE(page.madeForTodaysClients);
    EXPECT_EQ(page.settings, carried(s, "sea%20view.jpg"));

    exportStationery(folder.path() / "t.eml", s, ExportForm::Message);
    const OpenedStationery message = openStationeryFile(folder.path() / "t.eml", pictures);
    EXPECT_TRUE(message.madeForTodaysClients);
    EXPECT_EQ(message.settings, carried(s, utf8FromPath(pictures / "sea view.jpg")));
    EXPECT_EQ(test::readFile(pictures / "sea view.jpg"), bytes);
    // The same bytes again: the same file. Other bytes under that name: a new one.
    EXPECT_EQ(openStationeryFile(folder.path() / "t.eml", pictures).settings.picture,
              utf8FromPath(pictures / "sea view.jpg"));
    test::writeFile(pictures / "sea view.jpg", "someone else's");
    EXPECT_EQ(openStationeryFile(folder.path() / "t.eml", pictures).settings.picture,
              utf8FromPath(pictures / "sea view (2).jpg"));
    EXPECT_EQ(test::readFile(pictures / "sea view.jpg"), "someone else's");

    // Nothing of this computer's places stands in the message.
    EXPECT_EQ(test::readFile(folder.path() / "t.eml").find(utf8FromPath(folder.path())),
              std::string::npos);

    // Without a picture, nothing is taken out.
    StationerySettings plain = s;
    plain.picture = std::nullopt;
    exportStationery(folder.path() / "plain.eml", plain, ExportForm::Message);
    EXPECT_EQ(openStationeryFile(folder.path() / "plain.eml", pictures).settings,
              carried(plain, std::nullopt));
    // Templates in the layouts written before, with and without a picture.
    for (const char* name : {"t.eml", "plain.eml"})
        for (const std::string& earlier : earlierLayouts(test::readFile(folder.path() / name))) {
            test::writeFile(folder.path() / "earlier.eml", earlier);
            EXPECT_EQ(openStationeryFile(folder.path() / "earlier.eml", pictures).settings,
                      openStationeryFile(folder.path() / name, pictures).settings)
                << name << "\n"
                << earlier.substr(0, 400);
        }
}

TEST(OpenFile, OtherFilesAreRefusedSayingWhatTheyAre) {
    test::TemporaryFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        const char* said;
    } cases[] = {
        {"mail.eml", "From: a@example.com\r\nSubject: hi\r\n\r\nHello", "an e-mail message"},
        {"page.htm", "<!DOCTYPE html><html><body>Hi</body></html>", "a web page"},
        {"photo.htm", "\x89PNG\r\n\x1A\n" + std::string(20, '\0'), "a picture"},
        {"forged.eml", "X-Unsent: 1\r\nMIME-Version: 1.0\r\n\r\n<html>", "an e-mail message"},
    };
    for (const auto& c : cases) {
        test::writeFile(folder.path() / c.name, c.bytes);
        try {
            openStationeryFile(folder.path() / c.name, folder.path() / "pictures");
            ADD_FAILURE() << c.name << " was opened";
        } catch (const ReadError& error) {
            EXPECT_EQ(error.code(), ReadError::Code::NotOurs) << c.name;
            EXPECT_NE(error.detail().find(c.said), std::string::npos) << error.what();
        }
    }
    EXPECT_FALSE(fs::exists(folder.path() / "pictures"));
}

// A template from elsewhere: its picture's name is untrusted, its line ends may have
// become LF, and it may be cut off.
TEST(OpenFile, ATemplatesPictureNameAndShapeFromElsewhere) {
    test::TemporaryFolder folder;
    const fs::path picture = folder.path() / "sea.jpg";
    test::writeFile(picture, "\xFF\xD8\xFF\xE0" + std::string(300, 'p'));
    exportStationery(folder.path() / "t.eml", everyChoice(picture), ExportForm::Message);
    const std::string original = test::readFile(folder.path() / "t.eml");
    const auto named = [&](const std::string& header) {
        std::string bytes = original;
        const std::string plain = "filename=\"sea.jpg\"";
        return bytes.replace(bytes.find(plain), plain.size(), header);
    };
    const std::string longStem(300, 'n');
    const struct {
        const char* what;
        std::string bytes;
        std::string placedAs; // empty: refused as incomplete
    } cases[] = {
        {"a NUL first", named(std::string("filename=\"\0x.jpg\"", 17)), "_x.jpg"},
        {"an escaped NUL", named("filename*=UTF-8''%00.jpg"), "_.jpg"},
        {"line breaks", named("filename*=UTF-8''a%0D%0Ab.jpg"), "a__b.jpg"},
        {"a Windows path", named("filename=\"C:\\x\\..\\up.jpg\""), "up.jpg"},
        {"only dots", named("filename=\"..\""), "picture.jpeg"},
        {"300 bytes", named("filename=\"" + longStem + ".jpg\""), longStem.substr(0, 251) + ".jpg"},
        {"LF line ends",
         [&] {
             std::string lf;
             for (const char c : original)
                 if (c != '\r')
                     lf += c;
             return lf;
         }(),
         "sea.jpg"},
        {"cut off", original.substr(0, original.size() - 200), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path pictures = folder.path() / "pictures" / c.what;
        test::writeFile(folder.path() / "in.eml", c.bytes);
        try {
            const OpenedStationery opened = openStationeryFile(folder.path() / "in.eml", pictures);
            EXPECT_EQ(opened.settings.picture, utf8FromPath(pictures / c.placedAs));
            EXPECT_EQ(opened.settings.title, everyChoice(picture).title);
        } catch (const ReadError& error) {
            EXPECT_TRUE(c.placedAs.empty()) << error.what();
            EXPECT_EQ(error.code(), ReadError::Code::Incomplete);
        }
    }
}

} // namespace
} // namespace stationery
