// The message template's encodings and the command line's form choice; the whole
// message is parsed by a mail library in the end-to-end tests.
#include "file_test_support.h"
#include "stationery/export.h"
#include "stationery/message_writer.h"
#include "stationery/reader.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

#include <random>

namespace stationery {
namespace {

namespace fs = std::filesystem;

TEST(MessageWriter, Base64AsTheStandardSpellsIt) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""},
        {"f", "Zg==\r\n"},
        {"fo", "Zm8=\r\n"},
        {"foo", "Zm9v\r\n"},
        {"foob", "Zm9vYg==\r\n"},
        {"foobar", "Zm9vYmFy\r\n"},
    };
    for (const auto& [bytes, text] : vectors)
        EXPECT_EQ(base64Lines(bytes), text) << bytes;
    // Every length, every byte value: full lines of 76 characters, a shorter last one,
    // and the bytes back when decoded.
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    for (std::size_t length = 0; length <= 400; ++length, bytes += char(length * 37 + 11)) {
        const std::string lines = base64Lines(bytes);
        std::string decoded;
        std::uint32_t bits = 0;
        int held = 0;
        std::size_t at = 0;
        for (std::size_t end; (end = lines.find("\r\n", at)) != std::string::npos; at = end + 2) {
            const bool last = end + 2 == lines.size();
            EXPECT_TRUE(last ? end - at <= 76 : end - at == 76) << length;
            for (const char c : lines.substr(at, end - at)) {
                if (c == '=')
                    break;
                bits = bits << 6 | std::uint32_t(alphabet.find(c));
                if ((held += 6) >= 8)
                    decoded += char(bits >> (held -= 8) & 0xFF);
            }
        }
        EXPECT_EQ(at, lines.size()) << length;
        EXPECT_EQ(decoded, bytes) << length;
    }
}

// Decoding quoted-printable gives back the text, whose lines stay lines, and no
// encoded line is longer than 76 characters, ends in white space or starts "From "
// (which mailbox files would change to ">From ").
TEST(MessageWriter, QuotedPrintableKeepsEveryByte) {
    std::mt19937 random(3);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int i = int(random() % 300); i > 0; --i)
            text += random() % 9 == 0    ? std::string("\r\n")
                    : random() % 11 == 0 ? std::string("From ")
                                         : std::string(1, char(random() % 256));
        const std::string encoded = quotedPrintable(text);
        std::string decoded;
        for (std::size_t i = 0; i < encoded.size(); ++i) {
            if (encoded.compare(i, 3, "=\r\n") == 0) {
                i += 2;
            } else if (encoded[i] == '=') {
                decoded += char(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                decoded += encoded[i];
            }
        }
        ASSERT_EQ(decoded, text);
        for (std::size_t at = 0, end; at < encoded.size(); at = end + 2) {
            end = encoded.find("\r\n", at);
            if (end == std::string::npos)
                end = encoded.size();
            EXPECT_LE(end - at, 76u);
            EXPECT_TRUE(end == at || (encoded[end - 1] != ' ' && encoded[end - 1] != '\t'));
            EXPECT_NE(encoded.compare(at, 5, "From "), 0) << encoded.substr(at, end - at);
            for (std::size_t i = at; i < end; ++i)
                EXPECT_TRUE((encoded[i] >= 32 && encoded[i] < 127) || encoded[i] == '\t');
        }
    }
}

// A picture's file name reaches the recipient as it is, even one shaped like an
// encoded word.
TEST(MessageWriter, PictureNamesAreNeverReadAsEncodedWords) {
    for (const std::string name : {"=?utf-8?q?x?=.jpg", "sky.jpg", "été.jpg"}) {
        const std::string message =
            MessageWriter::render({}, MessagePicture{"\xFF\xD8\xFF", name, "image/jpeg"});
        EXPECT_EQ(message.find("=?"), std::string::npos) << name;
        const bool plain = name == "sky.jpg";
        EXPECT_EQ(message.find(plain ? "filename=\"sky.jpg\"" : "filename*=UTF-8''") !=
                      std::string::npos,
                  true)
            << name;
    }
}

TEST(MessageWriter, FormsByNameAndPictureTypesByContent) {
    EXPECT_EQ(formForName("a/b.eml"), ExportForm::Message);
    EXPECT_EQ(formForName("B.EML"), ExportForm::Message);
    EXPECT_EQ(formForName("page.htm"), ExportForm::Classic);
    EXPECT_EQ(formForName("page.HTML"), ExportForm::Classic);
    EXPECT_EQ(formForName("page.txt"), std::nullopt);
    EXPECT_EQ(formForName("page"), std::nullopt);
    EXPECT_EQ(MessageWriter::mediaTypeOf("\xFF\xD8\xFF\xE0"), "image/jpeg");
    EXPECT_EQ(MessageWriter::mediaTypeOf("GIF89a..."), "image/gif");
    EXPECT_EQ(MessageWriter::mediaTypeOf("BM...."), "image/bmp");
    EXPECT_EQ(MessageWriter::mediaTypeOf("\x89PNG\r\n\x1A\n...."), "image/png");
    EXPECT_EQ(MessageWriter::mediaTypeOf("\x89PNG"), std::nullopt);
    EXPECT_EQ(MessageWriter::mediaTypeOf("RIFF....WEBPVP8 "), std::nullopt);
}

TEST(MessageWriter, AStationeryFileExportsWithItsNamesFromItsOwnFolder) {
    test::TemporaryFolder folder;
    fs::create_directory(folder.path() / "in");
    test::writeFile(folder.path() / "in" / "sky one.gif", "GIF89a-picture-bytes");
    StationerySettings s;
    s.picture = "sky%20one.gif"; // as an exported page names it
    StationeryWriter::save(folder.path() / "in" / "page.htm", s);

    exportStationeryFile(folder.path() / "in" / "page.htm", folder.path() / "t.eml",
                         ExportForm::Message);
    const std::string message = test::readFile(folder.path() / "t.eml");
    EXPECT_TRUE(message.starts_with("X-Unsent: 1\r\nMIME-Version: 1.0\r\nSubject:\r\n"));
    EXPECT_NE(message.find(base64Lines("GIF89a-picture-bytes")), std::string::npos);

    // Failures write nothing: a missing file, and a picture that is no picture.
    EXPECT_THROW(exportStationeryFile(folder.path() / "gone.htm", folder.path() / "u.eml",
                                      ExportForm::Message),
                 ReadError);
    test::writeFile(folder.path() / "in" / "sky one.gif", "not a picture");
    EXPECT_THROW(exportStationeryFile(folder.path() / "in" / "page.htm", folder.path() / "u.eml",
                                      ExportForm::Message),
                 ExportError);
    EXPECT_FALSE(fs::exists(folder.path() / "u.eml"));
}

// A picture read from its file in pieces makes the same message as its bytes held
// whole, at the size announced beforehand, for sizes around the pieces' length; one
// that changes between the look and the write fails the write.
TEST(MessageWriter, PictureStreamedFromItsFileGivesTheSameMessage) {
    test::TemporaryFolder folder;
    const fs::path file = folder.path() / "photo.jpg";
    std::mt19937 random(7);
    constexpr auto copiedUpTo = std::size_t(MessageWriter::kPictureCopiedUpTo);
    const std::size_t sizes[] = {3,         copiedUpTo,       copiedUpTo + 1, 57 * 4096 - 1,
                                 57 * 4096, 57 * 4096 * 2 + 5};
    for (const std::size_t size : sizes) {
        std::string bytes = "\xFF\xD8\xFF";
        while (bytes.size() < size)
            bytes += char(random());
        bytes.resize(size);
        test::writeFile(file, bytes);
        StationerySettings s;
        s.picture = utf8FromPath(file);
        const StreamedContents contents = MessageWriter::streamed(s);
        std::string streamed;
        contents.produce([&](std::string_view piece) { streamed += piece; });
        EXPECT_EQ(streamed,
                  MessageWriter::render(s, MessagePicture{bytes, "photo.jpg", "image/jpeg"}))
            << size;
        EXPECT_EQ(streamed.size(), contents.size) << size;
        // A small picture travels a second time, in the page, for the wrapper.
        EXPECT_EQ(streamed.find("url('data:image/jpeg;base64,") != std::string::npos,
                  size <= copiedUpTo)
            << size;

        bytes.back() ^= 1;
        test::writeFile(file, bytes);
        try {
            contents.produce([](std::string_view) {});
            ADD_FAILURE() << "a changed picture was written, " << size;
        } catch (const ExportError& error) {
            EXPECT_EQ(error.code(), ExportError::Code::PictureChanged) << size;
        }
    }
}

} // namespace
} // namespace stationery
