#include "file_test_support.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace stationery {
namespace {

using test::folderEntries;
using test::readFile;
using test::TemporaryFolder;

StationerySettings someSettings() {
    StationerySettings s;
    s.AuthorName = "Someone";
    s.TickerText1 = "Hello";
    return s;
}

// What a failed save must leave: the old file as it was, and nothing else.
void expectOnlyTheOldFile(const TemporaryFolder& folder, const std::string& oldContents) {
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"old.htm"});
    EXPECT_EQ(readFile(folder.path() / "old.htm"), oldContents);
}

TEST(Save, WritesTheRenderedFileAndReplacesAnOldOneWhole) {
    TemporaryFolder folder;
    const auto path = folder.path() / "my stationery.htm";
    test::writeFile(path, std::string(20000, 'x'));

    StationeryWriter::save(path, StationerySettings{});
    EXPECT_EQ(readFile(path), StationeryWriter::render(StationerySettings{}));

    StationeryWriter::save(path, someSettings());
    EXPECT_EQ(readFile(path), StationeryWriter::render(someSettings()));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"my stationery.htm"});

    // No extension is added to a name typed without one.
    StationeryWriter::save(folder.path() / "plain", someSettings());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "plain"));
}

TEST(Save, MissingFolderIsReportedWithPathAndReason) {
    TemporaryFolder folder;
    const auto path = folder.path() / "no such folder" / "x.htm";
    try {
        StationeryWriter::save(path, someSettings());
        FAIL() << "no error for a missing folder";
    } catch (const SaveError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(path.string()), std::string::npos) << message;
        EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    }
    EXPECT_TRUE(folderEntries(folder.path()).empty());
}

TEST(Save, ReadOnlyFolderKeepsTheOldFile) {
    TemporaryFolder folder;
    test::writeFile(folder.path() / "old.htm", "old contents");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec |
                                                    std::filesystem::perms::others_read |
                                                    std::filesystem::perms::others_exec);
    // Root may write anywhere; a child that has given up root may not.
    const int status = test::runInChildProcess([&] {
        if (geteuid() == 0 && setuid(65534) != 0)
            return 3;
        try {
            StationeryWriter::save(folder.path() / "old.htm", someSettings());
        } catch (const SaveError& error) {
            return std::string(error.what()).find("Permission denied") != std::string::npos ? 0 : 4;
        }
        return 5;
    });
    EXPECT_EQ(status, 0) << "3: could not drop root, 4: wrong reason, 5: no error";
    expectOnlyTheOldFile(folder, "old contents");
}

TEST(Save, WriteFailingMidwayKeepsTheOldFile) {
    TemporaryFolder folder;
    const std::string oldContents(3000, 'o');
    test::writeFile(folder.path() / "old.htm", oldContents);
    // A file size limit smaller than the stationery makes the write itself fail, as a
    // full disk would, after part of the file has gone out.
    const int status = test::runInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{256, 256};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        try {
            StationeryWriter::save(folder.path() / "old.htm", someSettings());
        } catch (const SaveError&) {
            return 0;
        }
        return 5;
    });
    EXPECT_EQ(status, 0) << "3: no limit, 5: no error";
    expectOnlyTheOldFile(folder, oldContents);
}

} // namespace
} // namespace stationery
