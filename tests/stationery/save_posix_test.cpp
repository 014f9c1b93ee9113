// Saves against the file system's rules: links, permissions, owners, and users who
// may not do everything root may. Root bypasses permission checks, so the cases that
// need them run in a child process that has given root up.
#include "file_test_support.h"
#include "stationery/atomic_file.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace stationery {
namespace {

namespace fs = std::filesystem;
using test::folderEntries;
using test::readFile;
using test::someSettings;
using test::TemporaryFolder;

struct stat statOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

// What a failed save must leave: the old file as it was, and nothing else.
void expectOnlyTheOldFile(const TemporaryFolder& folder, const std::string& oldContents) {
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"old.htm"});
    EXPECT_EQ(readFile(folder.path() / "old.htm"), oldContents);
}

// A folder that others may enter and read but not change, holding old.htm, which
// belongs to "nobody" and so stays writable after a child gives up root.
void makeHandedOverFile(const TemporaryFolder& folder, const std::string& contents) {
    test::writeFile(folder.path() / "old.htm", contents);
    ASSERT_EQ(::chown((folder.path() / "old.htm").c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod((folder.path() / "old.htm").c_str(), 0640), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
}

// How a save made in a child process went: the child may give up root first, and
// may be held to a file size limit (as a full disk would hold it).
enum class Outcome { Saved, PermissionDenied, OtherFailure, SetupFailed };

Outcome saveInChild(const fs::path& file, bool asOrdinaryUser, rlim_t sizeLimit = RLIM_INFINITY) {
    const int status = test::runInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        if ((asOrdinaryUser && !test::dropRoot()) || setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return int(Outcome::SetupFailed);
        try {
            StationeryWriter::save(file, someSettings());
        } catch (const SaveError& error) {
            return int(error.file() == file && error.reason() == "Permission denied"
                           ? Outcome::PermissionDenied
                           : Outcome::OtherFailure);
        }
        return int(Outcome::Saved);
    });
    return Outcome(status);
}

TEST(Save, ReplacesWhatASymbolicLinkPointsToAndKeepsTheLink) {
    TemporaryFolder folder;
    fs::create_directory(folder.path() / "real");
    test::writeFile(folder.path() / "real" / "stationery.htm", "old");
    fs::create_symlink("real/stationery.htm", folder.path() / "first");
    fs::create_symlink(folder.path() / "first", folder.path() / "second"); // absolute

    StationeryWriter::save(folder.path() / "second", someSettings());

    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.path() / "first")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.path() / "second")));
    EXPECT_EQ(readFile(folder.path() / "real" / "stationery.htm"),
              StationeryWriter::render(someSettings()));
    EXPECT_EQ(folderEntries(folder.path() / "real"), std::vector<std::string>{"stationery.htm"});

    // A link whose target does not exist yet: the target is created, the link kept.
    fs::create_symlink("later.htm", folder.path() / "dangling");
    StationeryWriter::save(folder.path() / "dangling", someSettings());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.path() / "dangling")));
    EXPECT_EQ(readFile(folder.path() / "later.htm"), StationeryWriter::render(someSettings()));
}

TEST(Save, KeepsPermissionsOwnerAndGroup) {
    for (const mode_t mode : {0600, 0640, 0664}) {
        TemporaryFolder folder;
        const fs::path path = folder.path() / "old.htm";
        test::writeFile(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        if (geteuid() == 0) {
            ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        }
        const struct stat before = statOf(path);

        StationeryWriter::save(path, someSettings());

        const struct stat after = statOf(path);
        EXPECT_EQ(after.st_mode & 07777, mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_NE(after.st_ino, before.st_ino) << "replaced through a new file";
        EXPECT_EQ(readFile(path), StationeryWriter::render(someSettings()));
    }
}

TEST(Save, WritableFileInAFolderTheUserMayNotChange) {
    TemporaryFolder folder;
    makeHandedOverFile(folder, std::string(5000, 'o')); // longer than the new file
    ASSERT_EQ(saveInChild(folder.path() / "old.htm", true), Outcome::Saved);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"old.htm"});
    EXPECT_EQ(readFile(folder.path() / "old.htm"), StationeryWriter::render(someSettings()));
    EXPECT_EQ(statOf(folder.path() / "old.htm").st_mode & 07777, 0640u);
}

TEST(Save, InPlaceWriteThatCannotReserveItsLengthKeepsTheOldFile) {
    TemporaryFolder folder;
    makeHandedOverFile(folder, "short old contents");
    // A file size limit below the new length fails the reservation, as a full disk
    // does, before any old byte is overwritten.
    EXPECT_EQ(saveInChild(folder.path() / "old.htm", true, 256), Outcome::OtherFailure);
    expectOnlyTheOldFile(folder, "short old contents");
}

TEST(Save, ReadOnlyFolderKeepsTheOldFile) {
    TemporaryFolder folder;
    test::writeFile(folder.path() / "old.htm", "old contents");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec |
                                                    std::filesystem::perms::others_read |
                                                    std::filesystem::perms::others_exec);
    // Root may write anywhere; a child that has given up root may not.
    EXPECT_EQ(saveInChild(folder.path() / "old.htm", true), Outcome::PermissionDenied);
    expectOnlyTheOldFile(folder, "old contents");
}

TEST(Save, WriteFailingMidwayKeepsTheOldFile) {
    TemporaryFolder folder;
    const std::string oldContents(3000, 'o');
    test::writeFile(folder.path() / "old.htm", oldContents);
    // A file size limit smaller than the stationery makes the write itself fail, as a
    // full disk would, after part of the file has gone out.
    EXPECT_EQ(saveInChild(folder.path() / "old.htm", false, 256), Outcome::OtherFailure);
    expectOnlyTheOldFile(folder, oldContents);
}

TEST(Save, ReadOnlyFilesAreRefusedForEveryUser) {
    for (const bool asRoot : {true, false}) {
        TemporaryFolder folder;
        makeHandedOverFile(folder, "old contents");
        ASSERT_EQ(::chmod((folder.path() / "old.htm").c_str(), 0444), 0);
        ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
        EXPECT_EQ(saveInChild(folder.path() / "old.htm", !asRoot), Outcome::PermissionDenied);
        expectOnlyTheOldFile(folder, "old contents");
    }
}

TEST(Save, OthersFileInAStickyFolderIsRewrittenInPlace) {
    TemporaryFolder folder;
    test::writeFile(folder.path() / "old.htm", std::string(4000, 'o'));
    ASSERT_EQ(::chmod((folder.path() / "old.htm").c_str(), 0666), 0); // root's, writable by all
    ASSERT_EQ(::chmod(folder.path().c_str(), 01777), 0);
    ASSERT_EQ(saveInChild(folder.path() / "old.htm", true), Outcome::Saved);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"old.htm"});
    EXPECT_EQ(readFile(folder.path() / "old.htm"), StationeryWriter::render(someSettings()));
}

TEST(Save, TheLongestNamesSaveAndKilledSavesLeaveNothing) {
    TemporaryFolder folder;
    const fs::path path = folder.path() / (std::string(251, 'n') + ".htm");
    StationeryWriter::save(path, someSettings());
    EXPECT_EQ(readFile(path), StationeryWriter::render(someSettings()));

    // Killed while writing: the file being written has no name to leave behind.
    const std::string big(8 * 1024 * 1024, 'x');
    for (int round = 0; round < 5; ++round) {
        const pid_t child = fork();
        if (child == 0) {
            for (;;)
                replaceFileContents(path, big);
        }
        ::usleep(20000 + 7000 * round);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    // Killed in the moment between naming the new file and moving it into place, a save
    // leaves a temporary name; the next save beside it removes it, but never one that
    // another save is still writing (it holds a lock on it).
    const fs::path left = folder.path() / ".st-0123abcd.tmp";
    const fs::path inUse = folder.path() / ".st-4567cdef.tmp";
    test::writeFile(left, "left by a killed save");
    test::writeFile(inUse, "being written");
    const int writer = ::open(inUse.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    StationeryWriter::save(path, someSettings());
    ::close(writer);
    std::vector<std::string> expected{path.filename().string(), inUse.filename().string()};
    std::vector<std::string> entries = folderEntries(folder.path());
    std::sort(expected.begin(), expected.end());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, expected);
}

} // namespace
} // namespace stationery
