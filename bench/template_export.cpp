// Exporting a message template of a camera photo, as whole processes: the editor's
// `--export OUT.eml FILE` against `base64` of the same picture followed by `sync` of
// its output. Each reports its wall time and its peak memory (maxrss_MB).
//   build/bench/template_bench [--benchmark_filter=...]
// The photo (about 90 MB of noise, which JPEG cannot shrink) is made once, in
// $TMPDIR/stationery-bench, and kept for the next run.
#include "stationery/writer.h"

#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path benchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const fs::path folder = fs::path(tmp ? tmp : "/tmp") / "stationery-bench";
    fs::create_directories(folder);
    return folder;
}

// A photo of noise at the size of a high-resolution camera's best JPEG. It is made in a
// child process, so that this one stays small: a process started from it counts this
// one's peak memory as its own.
fs::path cameraPhoto() {
    const fs::path photo = benchFolder() / "camera-photo.jpg";
    if (fs::exists(photo))
        return photo;
    const pid_t child = fork();
    if (child == 0) {
        int argc = 1;
        char name[] = "template_bench";
        char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv); // JPEG writing needs Qt's image plugins
        QImage image(8000, 5600, QImage::Format_RGB32);
        QRandomGenerator random(42);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = random.generate() | 0xFF000000u;
        }
        const fs::path partial = photo.string() + ".part";
        const bool saved = image.save(QString::fromStdString(partial.string()), "JPEG", 100);
        _exit(saved && ::rename(partial.c_str(), photo.c_str()) == 0 ? 0 : 1);
    }
    waitpid(child, nullptr, 0);
    return photo;
}

fs::path stationeryOf(const fs::path& photo) {
    const fs::path page = benchFolder() / "photo.htm";
    stationery::StationerySettings s;
    s.picture = photo.string();
    stationery::StationeryWriter::save(page, s);
    return page;
}

struct Run {
    double seconds = 0;
    double maxRssMegabytes = 0;
};

// Runs the command as a process of its own and waits for it; its output goes to
// /dev/null unless `output` names a file.
Run runProcess(const std::vector<std::string>& command, const fs::path& output = {}) {
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, output.empty() ? "/dev/null" : output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    Run run;
    if (posix_spawnp(&child, arguments[0], &files, nullptr, arguments.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.maxRssMegabytes = double(usage.ru_maxrss) / 1024.0;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            run.seconds = -1;
    }
    posix_spawn_file_actions_destroy(&files);
    return run;
}

void report(benchmark::State& state, const std::vector<Run>& runs) {
    double peak = 0;
    for (const Run& run : runs) {
        if (run.seconds < 0) {
            state.SkipWithError("the command failed");
            return;
        }
        peak = std::max(peak, run.maxRssMegabytes);
    }
    state.counters["maxrss_MB"] = peak;
}

void exportTemplate(benchmark::State& state) {
    const fs::path page = stationeryOf(cameraPhoto());
    const fs::path out = benchFolder() / "photo.eml";
    state.counters["photo_MB"] = double(fs::file_size(cameraPhoto())) / 1e6;
    for (auto _ : state) {
        fs::remove(out);
        const Run run = runProcess({STATIONERY_EDITOR, "--export", out.string(), page.string()});
        state.SetIterationTime(run.seconds);
        report(state, {run});
    }
}

// Open of that template, as `--export` reads it: its picture comes out into the data
// folder (emptied before each run), written as it is decoded.
void openTemplate(benchmark::State& state) {
    const fs::path message = benchFolder() / "photo.eml";
    if (!fs::exists(message))
        runProcess({STATIONERY_EDITOR, "--export", message.string(),
                    stationeryOf(cameraPhoto()).string()});
    state.counters["template_MB"] = double(fs::file_size(message)) / 1e6;
    const fs::path data = benchFolder() / "data";
    const fs::path out = benchFolder() / "opened.htm";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    for (auto _ : state) {
        fs::remove_all(data);
        fs::remove(out);
        const Run run = runProcess(
            {STATIONERY_EDITOR, "--export", out.string(), "--form", "classic", message.string()});
        state.SetIterationTime(run.seconds);
        report(state, {run});
    }
    unsetenv("XDG_DATA_HOME");
}

// The floor for that: reading the template once and writing the picture's bytes.
void base64Decode(benchmark::State& state) {
    const fs::path out = benchFolder() / "decoded.jpg";
    for (auto _ : state) {
        fs::remove(out);
        const Run decode = runProcess(
            {"base64", "--decode", "--ignore-garbage", (benchFolder() / "photo.b64").string()},
            out);
        state.SetIterationTime(decode.seconds);
        report(state, {decode});
    }
}

void base64ThenSync(benchmark::State& state) {
    const fs::path photo = cameraPhoto();
    const fs::path out = benchFolder() / "photo.b64";
    for (auto _ : state) {
        fs::remove(out);
        const Run encode = runProcess({"base64", photo.string()}, out);
        const Run sync = runProcess({"sync", out.string()});
        state.SetIterationTime(encode.seconds + sync.seconds);
        report(state, {encode, sync});
    }
}

BENCHMARK(exportTemplate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(base64ThenSync)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(openTemplate)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(base64Decode)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
