// Export's copies and names, and how a page's names are read back.
#include "file_test_support.h"
#include "stationery/export.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

#include <random>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace stationery {
namespace {

namespace fs = std::filesystem;
using test::folderEntries;
using test::readFile;
using test::TemporaryFolder;

TEST(FileNames, UrlNamesKeepOnlySafeBytesAndDecodeToTheName) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string name(std::size_t(random() % 12), ' ');
        for (char& c : name)
            c = static_cast<char>(byte(random));
        const std::string url = fileNameAsUrl(name);
        for (const char c : url)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) ||
                        std::string_view("-._~!$&*+,;=@%").find(c) != std::string_view::npos)
                << url;
        EXPECT_EQ(percentDecoded(url), name);
    }
    EXPECT_EQ(fileNameAsUrl("sky (2).jpg"), "sky%20%282%29.jpg");
}

TEST(FileNames, RelativeNamesResolveAgainstTheStationerysFolder) {
    const fs::path folder = "/home/ann/out";
    const struct {
        const char* path;
        const char* resolved;
    } cases[] = {
        {"pale.jpg", "/home/ann/out/pale.jpg"},
        {"sky%20%231.jpg", "/home/ann/out/sky #1.jpg"},
        {"../pics/a.gif", "/home/ann/pics/a.gif"},
        {"/music/a.mid", "/music/a.mid"},
        {R"(C:\Pics\a.jpg)", R"(C:\Pics\a.jpg)"},
        {"Label10", "Label10"},
        {"null", "null"},
        {"", ""},
    };
    // Compared as paths: Windows writes the joined parts with its own separator.
    for (const auto& c : cases)
        EXPECT_EQ(pathFromUtf8(resolvedPath(c.path, folder)).lexically_normal(),
                  pathFromUtf8(c.resolved).lexically_normal())
            << c.path;
    EXPECT_EQ(resolvedPath("pale.jpg", {}), "pale.jpg");
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(folder.path() / "src");
        fs::create_directory(folder.path() / "out");
        picture = folder.path() / "src" / "sky.jpg";
        test::writeFile(picture, std::string(300 * 1024, 'p'));
        settings.ImagePath = utf8FromPath(picture);
    }
    TemporaryFolder folder;
    fs::path picture;
    StationerySettings settings;
};

TEST_F(ExportTest, NumberedCopiesOfTheLongestNamesStillFit) {
    const std::string stem(251, 'n');
    const fs::path source = folder.path() / "src" / (stem + ".jpg");
    test::writeFile(source, "new");
    test::writeFile(folder.path() / "out" / (stem + ".jpg"), "different");
    settings.ImagePath = utf8FromPath(source);
    exportStationery(folder.path() / "out" / "page.htm", settings, ExportForm::TodaysClients);
    const auto names = folderEntries(folder.path() / "out");
    ASSERT_EQ(names.size(), 3u);
    for (const std::string& name : names)
        EXPECT_LE(name.size(), 255u);
    EXPECT_NE(readFile(folder.path() / "out" / "page.htm").find("%20%282%29.jpg"),
              std::string::npos);
}

#ifndef _WIN32
TEST_F(ExportTest, APageLinkedToACopyOrItsSourceOverwritesNeither) {
    // A dangling link named page.htm pointing at the name the copy would take.
    fs::create_symlink("sky.jpg", folder.path() / "out" / "page.htm");
    exportStationery(folder.path() / "out" / "page.htm", settings, ExportForm::Classic);
    EXPECT_EQ(readFile(folder.path() / "out" / "sky (2).jpg"), readFile(picture));
    EXPECT_NE(readFile(folder.path() / "out" / "sky.jpg").find("sky%20%282%29.jpg"),
              std::string::npos);

    // A page linked to the picture itself is refused before anything is written.
    fs::create_symlink(picture, folder.path() / "out" / "onto-source.htm");
    EXPECT_THROW(
        exportStationery(folder.path() / "out" / "onto-source.htm", settings, ExportForm::Classic),
        ExportError);
    EXPECT_EQ(readFile(picture), std::string(300 * 1024, 'p'));
}

TEST_F(ExportTest, AFailedCopyGivesTheRealReasonAndLeavesNothing) {
    // A file size limit below the picture's size stands for a full disk.
    const int status = test::runInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        try {
            exportStationery(folder.path() / "out" / "page.htm", settings, ExportForm::Classic);
        } catch (const ExportError& error) {
            const std::string message = error.what();
            return message.find("File too large") != std::string::npos &&
                           message.find("Success") == std::string::npos
                       ? 0
                       : 4;
        }
        return 5;
    });
    EXPECT_EQ(status, 0) << "3: no limit, 4: wrong reason, 5: no error";
    EXPECT_TRUE(folderEntries(folder.path() / "out").empty());
}
#endif

} // namespace
} // namespace stationery
