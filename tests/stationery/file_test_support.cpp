#include "file_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace stationery::test {

std::vector<std::string> splitCrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) {
            ADD_FAILURE() << "last line has no line end: " << bytes.substr(start);
            lines.push_back(bytes.substr(start));
            break;
        }
        const bool crBefore = lf > start && bytes[lf - 1] == '\r';
        EXPECT_TRUE(crBefore) << "line " << lines.size() + 1 << " ends in a bare LF";
        const std::size_t end = crBefore ? lf - 1 : lf;
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\r'), std::string::npos) << "stray CR in line " << lines.size() + 1;
        lines.push_back(line);
        start = lf + 1;
    }
    return lines;
}

std::string crLfJoined(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\r\n";
    return joined;
}

std::vector<std::string> sectionLines(Section section, const StationerySettings& settings) {
    StationeryOutput out;
    section(out, settings);
    return splitCrLfLines(out.bytes());
}

StationerySettings someSettings() {
    StationerySettings s;
    s.author = "Someone";
    s.tickers[0] = "Hello";
    return s;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void writeFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TemporaryFolder::TemporaryFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = std::filesystem::temp_directory_path() /
                ("stationery-test-" + std::to_string(random() % 1000000000000u));
        if (std::filesystem::create_directory(path_)) {
            std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

#ifndef _WIN32
int runInChildProcess(const std::function<int()>& body) {
    return waitForChild(startChildProcess(body));
}

pid_t startChildProcess(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    return child;
}

int waitForChild(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

bool dropRoot() {
    return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}
#endif

} // namespace stationery::test
