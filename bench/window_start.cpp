// From spawning a program to its window being mapped on the X server, for the editor
// and for a bare window with the same tabs, in the same run. Needs an X display
// (Xvfb will do): run as  xvfb-run -a build/bench/gui_bench --benchmark_filter=spawn
#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// Milliseconds from spawning `program` until a top-level window of the display is
// mapped, or a negative number when none is within ten seconds.
double spawnToMappedMs(xcb_connection_t* connection, xcb_window_t root, const char* program) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    char* arguments[] = {const_cast<char*>(program), nullptr};
    posix_spawn_file_actions_t quiet; // what the program says is not the benchmark's output
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&child, program, &quiet, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return -1;
    double elapsed = -1;
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            xcb_poll_for_event(connection), &std::free);
        if (!event) {
            if (xcb_connection_has_error(connection))
                break;
            poll(&display, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (map->event == root) {
                elapsed = std::chrono::duration<double, std::milli>(
                              std::chrono::steady_clock::now() - start)
                              .count();
                break;
            }
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return elapsed;
}

// One connection for every run, watching the root window for windows being mapped.
struct Display {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

const Display& display() {
    static const Display opened = [] {
        Display d;
        if (!std::getenv("DISPLAY"))
            return d;
        d.connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(d.connection)) {
            d.connection = nullptr;
            return d;
        }
        d.root = xcb_setup_roots_iterator(xcb_get_setup(d.connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(d.connection, d.root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(d.connection);
        return d;
    }();
    return opened;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The editor and the bare window started in turn, so that both meet the same load on
// the machine; the medians and their ratio are reported. Single starts vary by a fifth
// on a busy machine: sixty pairs keep the ratio's median steady to a few hundredths.
void spawnToVisibleWindow(benchmark::State& state) {
    const Display& x = display();
    if (!x.connection)
        return state.SkipWithError("no X display: run under xvfb-run");
    unsetenv("QT_QPA_PLATFORM"); // this program's own windows are offscreen; theirs are not
    std::vector<double> bare, editor;
    bool bareFirst = true; // each goes first in every other pair: the second meets a warmer cache
    for (auto _ : state) {
        double bareMs = -1, editorMs = -1;
        if (bareFirst) {
            bareMs = spawnToMappedMs(x.connection, x.root, BARE_WINDOW);
            editorMs = spawnToMappedMs(x.connection, x.root, STATIONERY_EDITOR);
        } else {
            editorMs = spawnToMappedMs(x.connection, x.root, STATIONERY_EDITOR);
            bareMs = spawnToMappedMs(x.connection, x.root, BARE_WINDOW);
        }
        bareFirst = !bareFirst;
        if (bareMs < 0 || editorMs < 0)
            return state.SkipWithError("a window never showed");
        bare.push_back(bareMs);
        editor.push_back(editorMs);
        state.SetIterationTime(editorMs / 1000);
    }
    state.counters["bare_window_ms"] = median(bare);
    state.counters["editor_ms"] = median(editor);
    state.counters["editor_to_bare"] = median(editor) / median(bare);
}
BENCHMARK(spawnToVisibleWindow)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
