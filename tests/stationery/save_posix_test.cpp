// Saves against the file system's rules: links, permissions, owners, and users who
// may not do everything root may. Root bypasses permission checks, so the cases that
// need them run in a child process that has given root up.
#include "file_test_support.h"
#include "stationery/atomic_file.h"
#include "stationery/atomic_file_platform.h"
#include "stationery/writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
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

// Contents made while they are written may fail after some have gone out (a picture
// that changed under the export): through a new file and in place alike, the old file
// stays as it was.
TEST(Save, ContentsFailingWhileMadeKeepTheOldFile) {
    for (const bool inPlace : {false, true}) {
        TemporaryFolder folder;
        makeHandedOverFile(folder, std::string(3000, 'o'));
        const fs::path file = folder.path() / "old.htm";
        const int status = test::runInChildProcess([&] {
            if (inPlace && !test::dropRoot())
                return 2;
            const StreamedContents failing{6000, [](const StreamedContents::Writer& write) {
                                               write(std::string(4000, 'n'));
                                               throw std::runtime_error("the source changed");
                                           }};
            try {
                replaceFileContents(file, failing);
            } catch (const std::runtime_error& error) {
                return error.what() == std::string("the source changed") ? 0 : 1;
            }
            return 1;
        });
        EXPECT_EQ(status, 0) << (inPlace ? "in place" : "new file");
        expectOnlyTheOldFile(folder, std::string(3000, 'o'));
    }
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
}

// Set a file's modification time `seconds` into the past.
void age(const fs::path& path, int seconds) {
    const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Killed in the moment between naming the new file and moving it into place, a save
// leaves a temporary name, which a later save beside it removes; but only a file
// certainly left so: of exactly our name form, the user's own, old, and not locked.
TEST(Save, RemovesOnlyTheTemporaryFilesKilledSavesLeft) {
    TemporaryFolder folder;
    const struct {
        const char* name;
        int ageSeconds;
        bool othersFile;
        bool locked;
        bool removed;
    } cases[] = {
        {".st-0123abcd.tmp", 7200, false, false, true},
        {".st-4567cdef.tmp", 7200, false, true, false}, // another save still writes it
        {".st-89abcdef.tmp", 5, false, false, false},   // made by a save this moment
        {".st-my-notes.tmp", 7200, false, false, false},
        {".st-0123ABCD.tmp", 7200, false, false, false},
        {".st-fedcba98.tmp", 7200, true, false, false},
    };
    std::vector<int> locks;
    std::vector<std::string> expected{"page.htm"};
    for (const auto& c : cases) {
        const fs::path path = folder.path() / c.name;
        test::writeFile(path, "someone's");
        age(path, c.ageSeconds);
        if (c.othersFile) {
            ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        }
        if (c.locked) {
            locks.push_back(::open(path.c_str(), O_RDONLY));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
        }
        if (!c.removed)
            expected.push_back(c.name);
    }
    for (const bool nameless : {true, false}) {
        detail::allowNamelessFiles(nameless);
        StationeryWriter::save(folder.path() / "page.htm", someSettings());
    }
    detail::allowNamelessFiles(true);
    for (const int lock : locks)
        ::close(lock);
    std::vector<std::string> entries = folderEntries(folder.path());
    std::sort(expected.begin(), expected.end());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, expected);
}

// Saves at the same moment, as two editors make them: each in its own process, on a
// file system without nameless files (each save's new file then has a name at once),
// or rewriting one file in place in a sticky folder. Every save succeeds and the file
// is always one save's whole bytes.
TEST(Save, ConcurrentSavesNeitherFailNorMixTheirBytes) {
    constexpr int kRounds = 300;
    const auto saveRepeatedly = [&](const fs::path& path, const StationerySettings& settings,
                                    bool asOrdinaryUser) {
        return test::startChildProcess([&] {
            detail::allowNamelessFiles(false);
            if (asOrdinaryUser && !test::dropRoot())
                return 3;
            for (int round = 0; round < kRounds; ++round) {
                try {
                    StationeryWriter::save(path, settings);
                } catch (const SaveError&) {
                    return 1;
                }
            }
            return 0;
        });
    };
    StationerySettings other = someSettings();
    other.tickers[0] = std::string(20000, 'z'); // a much longer file than the first
    for (const bool inPlace : {false, true}) {
        TemporaryFolder folder;
        const fs::path first = folder.path() / "first.htm";
        const fs::path second = inPlace ? first : folder.path() / "second.htm";
        if (inPlace) { // root's file, writable by all, in a sticky folder
            test::writeFile(first, "old");
            ASSERT_EQ(::chmod(first.c_str(), 0666), 0);
            ASSERT_EQ(::chmod(folder.path().c_str(), 01777), 0);
        }
        // Both children run at once, each saving over and over.
        const pid_t one = saveRepeatedly(first, someSettings(), inPlace);
        const pid_t two = saveRepeatedly(second, other, inPlace);
        const int status[2] = {test::waitForChild(one), test::waitForChild(two)};
        EXPECT_EQ(status[0], 0) << (inPlace ? "in place" : "two files");
        EXPECT_EQ(status[1], 0) << (inPlace ? "in place" : "two files");
        for (const fs::path& path : {first, second}) {
            const std::string bytes = readFile(path);
            EXPECT_TRUE(bytes == StationeryWriter::render(someSettings()) ||
                        bytes == StationeryWriter::render(other))
                << path << " holds " << bytes.size() << " bytes of neither save";
        }
    }
}

} // namespace
} // namespace stationery
