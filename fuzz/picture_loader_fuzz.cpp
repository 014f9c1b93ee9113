// The picture loader on arbitrary bytes, as the file a user picked: it must load
// the picture or refuse with a named failure; nothing else.
#include "platform/picture_loader.h"
#include "platform/platform_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

QString& picturePath() {
    static QString path;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    picturePath() = QDir::temp().filePath(
        QStringLiteral("picture-fuzz-%1.jpg").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file(picturePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    try {
        const QSize natural = platform::PictureLoader::naturalSize(picturePath());
        if (natural.isEmpty())
            std::abort();
        const QImage preview = platform::PictureLoader::stretchedTo(picturePath(), QSize(140, 200));
        if (preview.size() != QSize(140, 200))
            std::abort();
        const QImage shown = platform::PictureLoader::atMost(picturePath(), QSize(320, 240));
        if (shown.width() > 320 || shown.height() > 240)
            std::abort();
        platform::PictureLoader::partOf(picturePath(), QSize(300, 300), QRect(10, 10, 50, 50));
    } catch (const platform::PlatformError& error) {
        // The file is there and readable: only "not a picture" and "a kind not read"
        // (HEIC, WebP, AVIF) fit.
        if (error.failure() != platform::Failure::NotAPicture &&
            error.failure() != platform::Failure::UnreadableKind)
            std::abort();
    }
    return 0;
}
