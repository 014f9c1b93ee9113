#include "file_test_support.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

namespace stationery {
namespace {

using test::folderEntries;
using test::readFile;
using test::someSettings;
using test::TemporaryFolder;

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

} // namespace
} // namespace stationery
