#include "stationery/export.h"
#include "stationery/writer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using stationery::StationerySettings;
using stationery::StationeryWriter;

StationerySettings everySectionOn() {
    StationerySettings s;
    s.author = "My Club";
    s.title = "Spring Notes";
    s.picture = "/home/someone/Pictures/Backgrounds/spring sky.jpg";
    s.backgroundColor = stationery::Rgb{255, 255, 204};
    s.fontSize = 10.5f;
    s.fontName = "Times New Roman";
    s.bold = true;
    s.italic = true;
    s.textColor = stationery::Rgb{0, 0, 128};
    s.leftMargin = 125;
    s.topMargin = 15;
    s.direction = stationery::ScrollDirection::Down;
    s.pictureWidth = 125;
    s.pictureHeight = 94;
    s.soundAsHiddenPicture = 1;
    s.sound = "/home/someone/Music/chime.wav";
    s.tickers[0] = "Happy holidays from the whole \"club\"";
    s.tickers[1] = "See you at the café on the 3rd";
    s.tickers[2] = "C:\\not\\a\\path </script> tricks";
    return s;
}

void renderUntouched(benchmark::State& state) {
    const StationerySettings settings;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string file = StationeryWriter::render(settings);
        bytes = file.size();
        benchmark::DoNotOptimize(file);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(renderUntouched);

void renderEverySectionOn(benchmark::State& state) {
    const StationerySettings settings = everySectionOn();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string file = StationeryWriter::render(settings);
        bytes = file.size();
        benchmark::DoNotOptimize(file);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(renderEverySectionOn);

// The floor the writer is measured against: copying a buffer of the same size.
void copyFileSizedBuffer(benchmark::State& state) {
    const std::string source = StationeryWriter::render(everySectionOn());
    for (auto _ : state) {
        std::string copy(source.size(), '\0');
        std::memcpy(copy.data(), source.data(), source.size());
        benchmark::DoNotOptimize(copy);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}
BENCHMARK(copyFileSizedBuffer);

void saveToTemporaryFolder(benchmark::State& state) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "stationery-bench-XXXXXX").string();
    const std::filesystem::path folder = mkdtemp(pattern.data());
    const StationerySettings settings = everySectionOn();
    for (auto _ : state)
        StationeryWriter::save(folder / "bench.htm", settings);
    std::filesystem::remove_all(folder);
}
BENCHMARK(saveToTemporaryFolder)->Unit(benchmark::kMicrosecond);

} // namespace

// A message template of a 24 MP camera photo (about 10 MB) against the system's base64
// tool writing the same file's encoding: reading, encoding and the all-or-nothing write
// (with its flush to disk) together should cost less than twice the tool.
class CameraPhoto : public benchmark::Fixture {
public:
    void SetUp(benchmark::State&) override {
        folder = std::filesystem::temp_directory_path() /
                 ("stationery-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        photo = folder / "photo.jpg";
        std::string bytes = "\xFF\xD8\xFF\xE1";
        std::uint32_t x = 12345;
        bytes.resize(10 * 1024 * 1024);
        for (std::size_t i = 4; i < bytes.size(); ++i) // photo data compresses no further
            bytes[i] = static_cast<char>((x = x * 1664525u + 1013904223u) >> 24);
        std::ofstream(photo, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    void TearDown(benchmark::State&) override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder, photo;
};

BENCHMARK_F(CameraPhoto, messageTemplate)(benchmark::State& state) {
    StationerySettings s = everySectionOn();
    s.picture = photo.string();
    for (auto _ : state)
        stationery::exportStationery(folder / "out.eml", s, stationery::ExportForm::Message);
}
BENCHMARK_REGISTER_F(CameraPhoto, messageTemplate)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_F(CameraPhoto, base64Tool)(benchmark::State& state) {
    const std::string command =
        "base64 '" + photo.string() + "' > '" + (folder / "out.b64").string() + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("base64 failed");
}
BENCHMARK_REGISTER_F(CameraPhoto, base64Tool)->Unit(benchmark::kMillisecond)->UseRealTime();
