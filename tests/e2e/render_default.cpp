// Prints the file an untouched editor window saves, for the end-to-end test.
#include "stationery/writer.h"

#include <cstdio>

int main() {
    const std::string file = stationery::StationeryWriter::render(stationery::StationerySettings{});
    return std::fwrite(file.data(), 1, file.size(), stdout) == file.size() ? 0 : 1;
}
