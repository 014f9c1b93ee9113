// Putting the message template of a 24-megapixel photo into a local Dovecot's Templates
// folder: the upload as the window and --upload run it, and the whole
// `stationery-editor --upload` process, against `curl --upload-file` of the same .eml
// to the same folder. Dovecot is started here, as the tests start it.
//   PATH=/usr/sbin:$PATH build/bench/upload_bench
#include "dovecot_server.h"
#include "mail_account/imap_upload.h"
#include "stationery/export.h"
#include "stationery/writer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <sys/resource.h>

namespace {

struct Setup {
    DovecotServer server;
    QTemporaryDir folder;
    QString page;
    QString message;
    std::string bytes;

    Setup() {
        // A camera's 6000 × 4000 photo: smooth shading with fine grain, about 10 MB.
        QImage photo(6000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int grain = int(random.bounded(24));
                line[x] = qRgb((x / 24 + grain) & 255, (y / 16 + grain) & 255, (x + y) / 40 & 255);
            }
        }
        const QString picture = folder.filePath(QStringLiteral("photo.jpg"));
        photo.save(picture, "JPEG", 92);
        stationery::StationerySettings s;
        s.ImagePath = picture.toStdString();
        page = folder.filePath(QStringLiteral("photo.htm"));
        stationery::StationeryWriter::save(page.toStdString(), s);
        message = folder.filePath(QStringLiteral("photo.eml"));
        stationery::exportStationeryFile(page.toStdString(), message.toStdString(),
                                         stationery::ExportForm::Message);
        QFile file(message);
        file.open(QIODevice::ReadOnly);
        bytes = file.readAll().toStdString();
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

double runProcess(const QString& program, const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    const auto start = std::chrono::steady_clock::now();
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return process.exitCode() == 0 ? seconds : -1;
}

void libraryUpload(benchmark::State& state) {
    Setup& s = setup();
    state.counters["message_MB"] = double(s.bytes.size()) / 1e6;
    mail_account::UploadRequest request;
    request.account = {"127.0.0.1", s.server.imapsPort(), mail_account::Security::SslTls,
                       DovecotServer::user().toStdString()};
    request.password = DovecotServer::password().toStdString();
    request.trustedCertificate = s.server.fingerprint().toStdString();
    request.message = mail_account::MessageSource::of(s.bytes);
    const std::atomic<bool> cancelled = false;
    for (auto _ : state)
        mail_account::upload(request, cancelled);
}

void commandLineUpload(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        const double seconds =
            runProcess(QStringLiteral(STATIONERY_EDITOR),
                       {QStringLiteral("--upload"), QString::fromStdString(s.account()),
                        QStringLiteral("--password-stdin"), QStringLiteral("--trust-certificate"),
                        s.server.fingerprint(), s.page},
                       DovecotServer::password().toUtf8() + '\n');
        if (seconds < 0)
            return state.SkipWithError("the upload failed");
        state.SetIterationTime(seconds);
    }
    // The largest resident size of any process this bench started so far: Dovecot's
    // and curl's are far smaller than the program's.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}

void curlUpload(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        const double seconds = runProcess(
            QStringLiteral("curl"),
            {QStringLiteral("--silent"), QStringLiteral("--ssl-reqd"), QStringLiteral("--insecure"),
             QStringLiteral("--netrc-file"), s.netrc(), QStringLiteral("--upload-file"), s.message,
             QString::fromStdString(s.account())},
            {});
        if (seconds < 0)
            return state.SkipWithError("curl failed");
        state.SetIterationTime(seconds);
    }
}

BENCHMARK(libraryUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(commandLineUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(curlUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
