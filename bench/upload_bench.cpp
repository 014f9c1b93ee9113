// Putting the message template of a 24-megapixel photo into a local Dovecot's Templates
// folder: the upload as the window and --upload run it, and the whole
// `stationery-editor --upload` process, against `curl --upload-file` of the same .eml
// to the same folder. Dovecot is started here, as the tests start it.
//   PATH=/usr/sbin:$PATH build/bench/upload_bench
#include "dovecot_server.h"
#include "mail_account/imap_upload.h"
#include "stationery/export.h"
#include "stationery/writer.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// A camera's 6000 × 4000 photo: smooth shading with fine grain, about 10 MB. It is made
// in a child process before this one grows: a process started from here counts this
// one's peak memory as its own.
QString& photoPath() {
    static QString path;
    return path;
}

void makePhoto(const QString& path) {
    const pid_t child = fork();
    if (child == 0) {
        int argc = 1;
        char name[] = "upload_bench";
        char* argv[] = {name, nullptr};
        QGuiApplication app(argc, argv); // JPEG writing needs Qt's image plugins
        QImage photo(6000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int grain = int(random.bounded(24));
                line[x] = qRgb((x / 24 + grain) & 255, (y / 16 + grain) & 255, (x + y) / 40 & 255);
            }
        }
        _exit(photo.save(path, "JPEG", 92) ? 0 : 1);
    }
    waitpid(child, nullptr, 0);
    photoPath() = path;
}

struct Setup {
    DovecotServer server;
    QTemporaryDir folder;
    QString page;
    QString message;
    std::string bytes;

    Setup() {
        const QString picture = folder.filePath(QStringLiteral("photo.jpg"));
        QFile::copy(photoPath(), picture);
        stationery::StationerySettings s;
        s.picture = picture.toStdString();
        page = folder.filePath(QStringLiteral("photo.htm"));
        stationery::StationeryWriter::save(page.toStdString(), s);
        message = folder.filePath(QStringLiteral("photo.eml"));
        stationery::exportStationeryFile(page.toStdString(), message.toStdString(),
                                         stationery::ExportForm::Message);
    }
    // The template's bytes, for the upload from memory; read only when that runs, so
    // that this process stays smaller than the programs it measures.
    const std::string& messageBytes() {
        if (bytes.empty()) {
            QFile file(message);
            file.open(QIODevice::ReadOnly);
            bytes = file.readAll().toStdString();
        }
        return bytes;
    }
    std::string account() const {
        return "imaps://" + DovecotServer::user().toStdString() +
               "@127.0.0.1:" + std::to_string(server.imapsPort()) + "/Templates";
    }
    // curl's password, from a file rather than its arguments.
    QString netrc() const {
        const QString path = folder.filePath(QStringLiteral("netrc"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("machine 127.0.0.1 login " + DovecotServer::user().toUtf8() + " password " +
                   DovecotServer::password().toUtf8() + "\n");
        return path;
    }
};

Setup& setup() {
    static Setup once;
    return once;
}

struct Run {
    double seconds = -1; // negative when the command failed
    double maxRssMegabytes = 0;
};

// Runs the command as a process of its own with `input` on its standard input; its
// output goes to /dev/null.
Run runProcess(const QString& program, const QStringList& arguments, const QByteArray& input) {
    std::vector<std::string> words{program.toStdString()};
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, pipeEnds[0], 0);
    posix_spawn_file_actions_addclose(&files, pipeEnds[1]);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    Run run;
    const bool spawned = posix_spawnp(&child, argv[0], &files, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&files);
    close(pipeEnds[0]);
    if (!input.isEmpty() && write(pipeEnds[1], input.constData(), size_t(input.size())) < 0)
        perror("write");
    close(pipeEnds[1]);
    if (!spawned)
        return run;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.maxRssMegabytes = double(usage.ru_maxrss) / 1024;
    return run;
}

void libraryUpload(benchmark::State& state) {
    Setup& s = setup();
    state.counters["message_MB"] = double(s.messageBytes().size()) / 1e6;
    mail_account::UploadRequest request;
    request.account = {"127.0.0.1", s.server.imapsPort(), mail_account::Security::SslTls,
                       DovecotServer::user().toStdString()};
    request.password = DovecotServer::password().toStdString();
    request.trustedCertificate = s.server.fingerprint().toStdString();
    request.message = mail_account::MessageSource::of(s.messageBytes());
    const std::atomic<bool> cancelled = false;
    for (auto _ : state)
        mail_account::upload(request, cancelled);
}

// The whole `stationery-editor --upload` process, and curl's upload of the same .eml.
Run editorUpload(Setup& s) {
    return runProcess(QStringLiteral(STATIONERY_EDITOR),
                      {QStringLiteral("--upload"), QString::fromStdString(s.account()),
                       QStringLiteral("--password-stdin"), QStringLiteral("--trust-certificate"),
                       s.server.fingerprint(), s.page},
                      DovecotServer::password().toUtf8() + '\n');
}

Run curlUploadRun(Setup& s) {
    return runProcess(QStringLiteral("curl"),
                      {QStringLiteral("--silent"), QStringLiteral("--ssl-reqd"),
                       QStringLiteral("--insecure"), QStringLiteral("--netrc-file"), s.netrc(),
                       QStringLiteral("--upload-file"), s.message,
                       QString::fromStdString(s.account())},
                      {});
}

void commandLineUpload(benchmark::State& state) {
    Setup& s = setup();
    double peak = 0;
    for (auto _ : state) {
        const Run run = editorUpload(s);
        if (run.seconds < 0)
            return state.SkipWithError("the upload failed");
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.maxRssMegabytes);
    }
    state.counters["maxrss_MB"] = peak;
}

// The two in turn, so that both meet the same disk and the same load, each going first
// in every other pair: the medians of 31 pairs, and their ratio. (The server's writes
// make single uploads vary by a fifth.)
void commandLineAgainstCurl(benchmark::State& state) {
    Setup& s = setup();
    std::vector<double> editor, curl;
    for (auto _ : state) {
        for (int pair = 0; pair < 31; ++pair) {
            const bool oursFirst = pair % 2 == 0;
            const Run first = oursFirst ? editorUpload(s) : curlUploadRun(s);
            const Run second = oursFirst ? curlUploadRun(s) : editorUpload(s);
            const Run& ours = oursFirst ? first : second;
            const Run& theirs = oursFirst ? second : first;
            if (ours.seconds < 0 || theirs.seconds < 0)
                return state.SkipWithError("an upload failed");
            editor.push_back(ours.seconds * 1000);
            curl.push_back(theirs.seconds * 1000);
        }
    }
    const auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    state.counters["editor_ms"] = median(editor);
    state.counters["curl_ms"] = median(curl);
    state.counters["editor_to_curl"] = median(editor) / median(curl);
}

// For comparison: the same program writing the template to a file instead.
void commandLineExport(benchmark::State& state) {
    Setup& s = setup();
    const QString out = s.folder.filePath(QStringLiteral("exported.eml"));
    for (auto _ : state) {
        QFile::remove(out);
        const Run run = runProcess(QStringLiteral(STATIONERY_EDITOR),
                                   {QStringLiteral("--export"), out, s.page}, {});
        if (run.seconds < 0)
            return state.SkipWithError("the export failed");
        state.SetIterationTime(run.seconds);
    }
}

void curlUpload(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        const Run run = curlUploadRun(s);
        if (run.seconds < 0)
            return state.SkipWithError("curl failed");
        state.SetIterationTime(run.seconds);
        state.counters["maxrss_MB"] = run.maxRssMegabytes;
    }
}

BENCHMARK(commandLineUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(commandLineExport)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(curlUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(libraryUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(commandLineAgainstCurl)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir photoFolder;
    makePhoto(photoFolder.filePath(QStringLiteral("camera.jpg")));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
