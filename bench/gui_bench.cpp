// Speed and memory of the editor's heavy paths: building the window, choosing a
// camera-sized picture, listing a huge folder. Run by hand:
//   build/bench/gui_bench [--benchmark_filter=...]
#include "bare_window.h"
#include "dialogs/designs_window.h"
#include "doubles/recording_mail_client.h"
#include "doubles/recording_message_box.h"
#include "doubles/recording_url_opener.h"
#include "doubles/scripted_dialogs.h"
#include "editor/main_window.h"
#include "editor/program_look.h"
#include "mail_account/loaded_mail_service.h"
#include "platform/audio_device.h"
#include "platform/dir_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/picture_loader.h"
#include "platform/volumes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// Peak memory of one call, from the kernel's high-water mark, which we reset first.
long readStatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return 0;
}

template <typename F> double extraPeakMegabytes(F&& work) {
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = readStatusKb("VmRSS:");
    work();
    return (readStatusKb("VmHWM:") - before) / 1024.0;
}

QTemporaryDir& scratch() {
    static QTemporaryDir folder;
    return folder;
}

// A 6000 x 4000 JPEG with detail everywhere, as a camera makes: smooth shapes
// under fine noise, so the entropy decoder has real work.
QString cameraPicture() {
    static const QString path = [] {
        const QString given = qEnvironmentVariable("STATIONERY_BENCH_PICTURE");
        if (!given.isEmpty())
            return given;
        const QString file = scratch().filePath(u"camera.jpg"_s);
        QImage image(6000, 4000, QImage::Format_RGB32);
        std::mt19937 random(42);
        std::uniform_int_distribution<int> noise(-24, 24);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int base = 128 + int(60 * std::sin(x / 97.0) * std::cos(y / 61.0));
                line[x] = qRgb(std::clamp(base + noise(random), 0, 255),
                               std::clamp(base / 2 + (x + y) % 90 + noise(random), 0, 255),
                               std::clamp(255 - base + noise(random), 0, 255));
            }
        }
        QImageWriter writer(file, "jpeg");
        writer.setQuality(90);
        writer.write(image);
        return file;
    }();
    return path;
}

// A 15000 x 10000 (150 megapixel) colour JPEG, as the largest phone cameras make.
QString largePicture() {
    static const QString path = [] {
        const QString given = qEnvironmentVariable("STATIONERY_BENCH_LARGE");
        if (!given.isEmpty())
            return given;
        const QString file = scratch().filePath(u"large.jpg"_s);
        QImage image(15000, 10000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x / 7) & 0xFF, (y / 5) & 0xFF, ((x ^ y) >> 3) & 0xFF);
        }
        QImageWriter writer(file, "jpeg");
        writer.setQuality(85);
        writer.write(image);
        return file;
    }();
    return path;
}

void chooseCameraPicture(benchmark::State& state) {
    const QString path = cameraPicture();
    for (auto _ : state) {
        const QSize natural = platform::PictureLoader::naturalSize(path);
        QImage preview = platform::PictureLoader::stretchedTo(path, QSize(140, 200));
        benchmark::DoNotOptimize(natural);
        benchmark::DoNotOptimize(preview);
    }
}
BENCHMARK(chooseCameraPicture)->Unit(benchmark::kMillisecond);

void fullDecodeCameraPicture(benchmark::State& state) {
    const QString path = cameraPicture();
    for (auto _ : state) {
        QImage image(path);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(fullDecodeCameraPicture)->Unit(benchmark::kMillisecond);

// libjpeg-turbo's own tool at 1/8 scale: how fast a preview can be at all.
void djpegEighthScale(benchmark::State& state) {
    const QString path = cameraPicture();
    if (QStandardPaths::findExecutable(u"djpeg"_s).isEmpty()) {
        state.SkipWithError("djpeg not installed (libjpeg-turbo-progs)");
        return;
    }
    for (auto _ : state) {
        QProcess::execute(u"djpeg"_s, {u"-scale"_s, u"1/8"_s, u"-outfile"_s, u"/dev/null"_s, path});
    }
}
BENCHMARK(djpegEighthScale)->Unit(benchmark::kMillisecond);

void processStartFloor(benchmark::State& state) {
    for (auto _ : state)
        QProcess::execute(u"true"_s, {});
}
BENCHMARK(processStartFloor)->Unit(benchmark::kMillisecond);

// 100,000 files, 5% of them pictures.
QString hugeFolder() {
    static const QString path = [] {
        const QString folder = scratch().filePath(u"huge"_s);
        QDir().mkpath(folder);
        for (int i = 0; i < 100000; ++i) {
            const char* ext = i % 20 == 0 ? (i % 60 == 0 ? ".GIF" : ".jpg") : ".txt";
            std::ofstream(QDir(folder)
                              .filePath(QString(u"file%1%2"_s).arg(i).arg(QLatin1String(ext)))
                              .toStdString());
        }
        return folder;
    }();
    return path;
}

void listHugeFolder(benchmark::State& state) {
    const QString folder = hugeFolder();
    platform::FileListBox files(QStringLiteral("*.jpg;*.gif;*.bmp"));
    for (auto _ : state) {
        files.setPath(folder);
        benchmark::DoNotOptimize(files.count());
    }
    state.counters["files_listed"] = files.count();
}
BENCHMARK(listHugeFolder)->Unit(benchmark::kMillisecond);

void bareDirectoryScan(benchmark::State& state) {
    const QByteArray folder = hugeFolder().toLocal8Bit();
    for (auto _ : state) {
        int entries = 0;
        DIR* dir = opendir(folder.constData());
        while (readdir(dir))
            ++entries;
        closedir(dir);
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(bareDirectoryScan)->Unit(benchmark::kMillisecond);

// Stand-ins for every service but the volumes, which are the real ones.
struct BenchServices {
    platform::ScriptedDialogs dialogs;
    platform::RecordingMessageBox messages;
    platform::SystemVolumeList volumes;
    platform::SilentAudioDevice audio;
    platform::RecordingUrlOpener browser;
    platform::RecordingMailClient mailClient;
    mail_account::LoadedMailService mailAccount{QStringLiteral("stationery-mail"), {}};
    MainWindowServices forEditor() {
        return {dialogs, messages, volumes, audio, browser, mailClient, mailAccount, [] {
                }};
    }
};

void constructAndShowEditor(benchmark::State& state) {
    BenchServices services;
    for (auto _ : state) {
        MainWindow form(services.forEditor());
        form.show();
        QApplication::processEvents();
    }
}
BENCHMARK(constructAndShowEditor)->Unit(benchmark::kMillisecond);

// Typing into a field with the Check window open: the document changes, and the
// findings are worked out again from it, the file system's sizes and the preview's
// colours.
void updateCheckFindings(benchmark::State& state) {
    BenchServices services;
    MainWindow form(services.forEditor());
    form.show();
    QDir(scratch().path()).mkpath(u"check"_s);
    QFile::copy(cameraPicture(), scratch().filePath(u"check/camera.jpg"_s));
    form.findChild<platform::DirListBox*>(QStringLiteral("pictureFolderList"))
        ->setPath(scratch().filePath(u"check"_s));
    form.findChild<platform::FileListBox*>(QStringLiteral("pictureFileList"))->choose(0);
    form.findChild<QLineEdit*>(QStringLiteral("ticker1Edit"))->setText(u"News of the week"_s);
    form.findChild<QAction*>(QStringLiteral("checkAction"))->trigger();
    QApplication::processEvents();
    int typed = 0;
    for (auto _ : state) {
        form.findChild<QLineEdit*>(QStringLiteral("ticker2Edit"))
            ->setText(QString::number(++typed));
    }
}
BENCHMARK(updateCheckFindings)->Unit(benchmark::kMicrosecond);

// Holding Down in the picture list of a folder of 30 photos, a key every 25 ms: the
// longest the window's thread is held at once, how soon it answers after the last key,
// how soon the last photo shows, and the extra memory. Argument 1: camera photos
// (6000 x 4000); 0: tiny pictures, for comparison.
void walkThroughPhotos(benchmark::State& state) {
    const bool camera = state.range(0) == 1;
    const QString folder = scratch().filePath(camera ? u"walk-camera"_s : u"walk-tiny"_s);
    QDir().mkpath(folder);
    QString source = scratch().filePath(u"tiny.jpg"_s);
    if (camera)
        source = cameraPicture();
    else
        QImage(40, 30, QImage::Format_RGB32).save(source, "jpeg");
    for (int i = 0; i < 30; ++i) {
        const QString name =
            QDir(folder).filePath(u"photo%1.jpg"_s.arg(i, 2, 10, QLatin1Char('0')));
        std::error_code ignored;
        std::filesystem::create_hard_link(source.toStdString(), name.toStdString(), ignored);
    }
    BenchServices services;
    MainWindow form(services.forEditor());
    form.show();
    auto* files = form.findChild<platform::FileListBox*>(QStringLiteral("pictureFileList"));
    auto* preview = form.findChild<platform::ImageBox*>(QStringLiteral("picturePreview"));
    form.findChild<platform::DirListBox*>(QStringLiteral("pictureFolderList"))->setPath(folder);
    files->setPath(folder);
    QElapsedTimer clock;
    double longestStall = 0, answer = 0, lastShown = 0, extraMemory = 0;
    for (auto _ : state) {
        files->choose(0);
        if (!QTest::qWaitFor([&] { return !preview->picture().isNull(); }, 10000))
            return state.SkipWithError("the first photo never showed");
        // A heartbeat on the window's thread: the longest gap between beats is the
        // longest the thread was held.
        QTimer heartbeat;
        heartbeat.setInterval(1);
        clock.start();
        qint64 lastBeat = 0;
        longestStall = 0;
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            longestStall = std::max(longestStall, double(now - lastBeat));
            lastBeat = now;
        });
        std::ofstream("/proc/self/clear_refs") << "5";
        const long memoryBefore = readStatusKb("VmRSS:");
        heartbeat.start();
        for (int step = 1; step < 30; ++step) {
            QTest::keyClick(files, Qt::Key_Down);
            QTest::qWait(25);
        }
        heartbeat.stop();
        QElapsedTimer sinceLastKey;
        sinceLastKey.start();
        bool answered = false;
        QTimer::singleShot(0, [&] { answered = true; });
        if (!QTest::qWaitFor([&] { return answered; }, 10000))
            return state.SkipWithError("the window never answered");
        answer = sinceLastKey.nsecsElapsed() / 1e6;
        if (!QTest::qWaitFor([&] { return !preview->picture().isNull(); }, 10000))
            return state.SkipWithError("the last photo never showed");
        lastShown = sinceLastKey.nsecsElapsed() / 1e6;
        extraMemory = (readStatusKb("VmHWM:") - memoryBefore) / 1024.0;
    }
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["answer_after_last_key_ms"] = answer;
    state.counters["last_shown_after_last_key_ms"] = lastShown;
    state.counters["extra_memory_MB"] = extraMemory;
}
BENCHMARK(walkThroughPhotos)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

// File > New from Design: every design's thumbnail drawn and the window shown.
void showDesignsWindow(benchmark::State& state) {
    BenchServices services;
    MainWindow form(services.forEditor());
    form.show();
    for (auto _ : state) {
        form.findChild<QAction*>(QStringLiteral("newFromDesignAction"))->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        delete form.findChild<DesignsWindow*>();
        state.ResumeTiming();
    }
}
BENCHMARK(showDesignsWindow)->Unit(benchmark::kMillisecond);

void constructAndShowBareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        buildBareWindow(window);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(constructAndShowBareWindow)->Unit(benchmark::kMillisecond);

// Peak memory, each measured in a fresh process of its own: "--memory" runs them all.
int measureInThisProcess(const QString& what) {
    if (what == u"start"_s) {
        BenchServices services;
        MainWindow form(services.forEditor());
        form.show();
        QApplication::processEvents();
        std::printf("%.1f\n", readStatusKb("VmHWM:") / 1024.0);
        return 0;
    }
    const QString path = what == u"choose-large"_s ? largePicture() : cameraPicture();
    const double extra = extraPeakMegabytes([&] {
        if (what.startsWith(u"choose"_s)) {
            benchmark::DoNotOptimize(platform::PictureLoader::naturalSize(path));
            QImage preview = platform::PictureLoader::stretchedTo(path, QSize(140, 200));
            benchmark::DoNotOptimize(preview);
        } else {
            QImage image(path);
            benchmark::DoNotOptimize(image);
        }
    });
    std::printf("%.1f\n", extra);
    return 0;
}

void reportMemory(const QString& self) {
    qputenv("STATIONERY_BENCH_PICTURE", cameraPicture().toLocal8Bit());
    qputenv("STATIONERY_BENCH_LARGE", largePicture().toLocal8Bit());
    const auto run = [&](const char* what) {
        QProcess child;
        child.start(self, {QStringLiteral("--measure=") + QLatin1String(what)});
        child.waitForFinished(120000);
        return QString::fromLatin1(child.readAllStandardOutput()).trimmed();
    };
    std::printf("peak memory of the whole process after start, editor shown: %s MB\n",
                qPrintable(run("start")));
    std::printf("extra peak memory, choosing the 6000x4000 picture: %s MB\n",
                qPrintable(run("choose")));
    std::printf("extra peak memory, one full decode of it: %s MB\n", qPrintable(run("full")));
    std::printf("extra peak memory, choosing a 15000x10000 picture: %s MB\n",
                qPrintable(run("choose-large")));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramLook();
    const QStringList arguments = QApplication::arguments();
    for (const QString& argument : arguments) {
        if (argument.startsWith(u"--measure="_s))
            return measureInThisProcess(argument.mid(10));
        if (argument == u"--memory"_s) {
            reportMemory(QApplication::applicationFilePath());
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
