#pragma once

#include "stationery/output.h"
#include "stationery/settings.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace stationery::test {

// Splits the writer's bytes into lines; records a test failure for any line that is
// not ended by CR LF.
std::vector<std::string> splitCrLfLines(const std::string& bytes);

// Joins lines the way the file holds them: each one followed by CR LF.
std::string crLfJoined(const std::vector<std::string>& lines);

using Section = void (*)(StationeryOutput&, const StationerySettings&);
std::vector<std::string> sectionLines(Section section, const StationerySettings& settings);

// A record with an author and a ticker, for saves that must write something.
StationerySettings someSettings();

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& contents);
std::vector<std::string> folderEntries(const std::filesystem::path& folder);

// A fresh folder under the system's temporary folder, removed again at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Runs `body` in a child process and returns its exit status (or 128 + signal), so a
// test can change the process's user or resource limits without touching the rest.
#ifndef _WIN32
int runInChildProcess(const std::function<int()>& body);
// The same in two halves, for children that run side by side: forked from one thread,
// as fork in a process with other threads running may leave the child stuck on a lock.
pid_t startChildProcess(const std::function<int()>& body);
int waitForChild(pid_t child);
// Gives up root in a child process (to "nobody"), so that permission checks apply.
bool dropRoot();
#endif

} // namespace stationery::test
