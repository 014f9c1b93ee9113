#include "picture_files.h"
#include "platform/picture_loader.h"
#include "platform/platform_error.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

std::optional<Failure> errorOf(const std::function<void()>& load) {
    try {
        load();
    } catch (const PlatformError& e) {
        return e.failure();
    }
    return std::nullopt;
}

class PictureLoaderTest : public ::testing::Test {
protected:
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        picture_files::write(path, bytes);
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(PictureLoaderTest, ReadsTheThreeKindsAtTheSizeAskedFor) {
    const QImage source = picture_files::detailed(160, 90);
    for (const char* format : {"jpeg", "bmp", "gif"}) {
        const QString path = file(QStringLiteral("pic.") + QLatin1String(format),
                                  picture_files::encode(source, format));
        EXPECT_EQ(PictureLoader::naturalSize(path), QSize(160, 90)) << format;
        EXPECT_EQ(PictureLoader::stretchedTo(path, QSize(140, 200)).size(), QSize(140, 200))
            << format;
        EXPECT_EQ(PictureLoader::checkedSize(path), QSize(160, 90)) << format;
        EXPECT_EQ(PictureLoader::checkedStretchedTo(path, QSize(140, 200)),
                  PictureLoader::stretchedTo(path, QSize(140, 200)))
            << format;
        EXPECT_EQ(PictureLoader::atMost(path, QSize(1000, 1000)).size(), QSize(160, 90)) << format;
        EXPECT_EQ(PictureLoader::atMost(path, QSize(80, 80)).size(), QSize(80, 45)) << format;
    }
}

// Phones append videos to their photos, makers add trailers, tools pad GIFs: what
// follows the end of a whole picture does not matter.
TEST_F(PictureLoaderTest, PicturesWithDataAfterTheirEndAndUnusualLayoutsAreRead) {
    const QImage source = picture_files::detailed(120, 80);
    QByteArray video("\0\0\0\x18"
                     "ftypmp42",
                     12);
    std::mt19937 random(3);
    while (video.size() < 64 * 1024)
        video.append(char(random())); // with stray 0xFF 0xD8 and 0xFF 0xD9 pairs in it
    const QByteArray jpeg = picture_files::encode(source, "jpeg");
    const QByteArray gif = picture_files::encode(source, "gif");
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"motion photo", jpeg + video},
        {"JPEG and a text trailer", jpeg + QByteArray(2048, 'T')},
        {"progressive JPEG", picture_files::progressiveJpeg(source)},
        {"GIF with stray bytes", gif + QByteArray("\r\n\x01\x02junk")},
        {"animated GIF", picture_files::animatedGif(source, 3)},
    };
    for (const auto& c : cases) {
        const QString path = file(QStringLiteral("ok.jpg"), c.bytes);
        EXPECT_EQ(errorOf([&] {
                      EXPECT_EQ(PictureLoader::stretchedTo(path, QSize(60, 40)).size(),
                                QSize(60, 40));
                  }),
                  std::nullopt)
            << c.what;
        EXPECT_EQ(PictureLoader::naturalSize(path), QSize(120, 80)) << c.what;
    }
}

TEST_F(PictureLoaderTest, LargeJpegHasNoPixelLimit) {
    const QString path = picture_files::largeJpeg(15000, 10000); // 150 megapixels
    EXPECT_EQ(PictureLoader::naturalSize(path), QSize(15000, 10000));
    EXPECT_EQ(PictureLoader::stretchedTo(path, QSize(140, 200)).size(), QSize(140, 200));
    EXPECT_EQ(PictureLoader::partOf(path, QSize(1500, 1000), QRect(0, 0, 800, 600)).size(),
              QSize(800, 600));
}

TEST_F(PictureLoaderTest, GifAndBmpOverTheAllocationLimitSayHowLargeTheyAre) {
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1); // megabytes: 512 x 600 x 4 bytes is more
    const QImage source = picture_files::detailed(512, 600);
    for (const char* format : {"gif", "bmp"}) {
        const QString path = file(QStringLiteral("big.") + QLatin1String(format),
                                  picture_files::encode(source, format));
        try {
            PictureLoader::stretchedTo(path, QSize(100, 100));
            ADD_FAILURE() << format << ": no error";
        } catch (const PlatformError& e) {
            EXPECT_EQ(e.failure(), Failure::PictureTooLarge) << format;
            EXPECT_STREQ(e.what(), "This picture is 512 × 600 pixels, too large to show.");
        }
    }
    // A JPEG decodes straight to the size shown, so the limit does not bind it.
    const QString jpeg = file(u"big.jpg"_s, picture_files::encode(source, "jpeg"));
    EXPECT_EQ(PictureLoader::stretchedTo(jpeg, QSize(100, 100)).size(), QSize(100, 100));
    QImageReader::setAllocationLimit(previousLimit);
}

TEST_F(PictureLoaderTest, WhatIsNotAWholePictureIsRefusedAsNoPicture) {
    const QImage source = picture_files::detailed(200, 120);
    std::mt19937 random(7);
    QByteArray noise(4096, '\0');
    for (char& c : noise)
        c = char(random());
    for (const char* format : {"jpeg", "bmp", "gif", "png"}) {
        const QByteArray whole = picture_files::encode(source, format);
        const struct {
            const char* what;
            QByteArray bytes;
        } cases[] = {
            {"empty", QByteArray()},
            {"truncated", whole.left(whole.size() * 2 / 3)},
            {"only its last byte missing", whole.chopped(1)},
            {"header only", whole.left(40)},
            {"random bytes", noise},
            {"text", QByteArray("just some words\n")},
        };
        for (const auto& c : cases) {
            const QString path = file(QStringLiteral("bad.") + QLatin1String(format), c.bytes);
            EXPECT_EQ(errorOf([&] { PictureLoader::stretchedTo(path, QSize(140, 200)); }),
                      Failure::NotAPicture)
                << format << ": " << c.what;
            EXPECT_EQ(errorOf([&] { PictureLoader::atMost(path, QSize(500, 500)); }),
                      Failure::NotAPicture)
                << format << ": " << c.what;
        }
        // Whole, under any name, it is read by what it is.
        const QString renamed = file(QStringLiteral("photo.jpg"), whole);
        EXPECT_EQ(PictureLoader::atMost(renamed, QSize(500, 500)).size(), source.size()) << format;
    }
}

// The kinds phones make that are not read are named, not called corrupt.
TEST_F(PictureLoaderTest, PhonePicturesThatAreNotReadAreNamed) {
    const std::pair<QByteArray, QString> kinds[] = {
        {QByteArray("\0\0\0\x18"
                    "ftypheic\0\0\0\0mif1heic",
                    24),
         u"HEIC"_s},
        {QByteArray("\0\0\0\x18"
                    "ftypmif1\0\0\0\0mif1heic",
                    24),
         u"HEIC"_s},
        {QByteArray("RIFF\x24\0\0\0WEBPVP8 ", 16), u"WebP"_s},
        {QByteArray("\0\0\0\x1c"
                    "ftypavif\0\0\0\0",
                    16),
         u"AVIF"_s},
    };
    for (const auto& [head, kind] : kinds) {
        const QString path = file(u"IMG_0001.jpg"_s, head + QByteArray(200, '\0'));
        try {
            PictureLoader::atMost(path, QSize(500, 500));
            ADD_FAILURE() << kind.toStdString() << " was read";
        } catch (const PlatformError& error) {
            EXPECT_EQ(error.failure(), Failure::UnreadableKind) << kind.toStdString();
            EXPECT_EQ(QString::fromUtf8(error.what()), kind);
        }
    }
}

TEST_F(PictureLoaderTest, AbsurdSizesAreRefusedWithoutDecoding) {
    // A BMP header that claims 60000 x 60000 pixels, with almost no data behind it.
    QByteArray bmp = picture_files::encode(picture_files::detailed(4, 4), "bmp");
    const auto put32 = [&](int at, qint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put32(18, 60000);
    put32(22, 60000);
    const QString path = file(u"huge.bmp"_s, bmp);
    EXPECT_EQ(errorOf([&] { PictureLoader::naturalSize(path); }), Failure::NotAPicture);

    // The same claim in a JPEG's frame header: even an eighth of it is more than a
    // decode may allocate, so it is refused as too large before any decode.
    QByteArray jpeg = picture_files::encode(picture_files::detailed(16, 16), "jpeg");
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    jpeg[sof + 5] = char(60000 >> 8);
    jpeg[sof + 6] = char(60000 & 0xFF);
    jpeg[sof + 7] = char(60000 >> 8);
    jpeg[sof + 8] = char(60000 & 0xFF);
    const QString jpegPath = file(u"huge.jpg"_s, jpeg);
    EXPECT_EQ(errorOf([&] { PictureLoader::stretchedTo(jpegPath, QSize(140, 200)); }),
              Failure::PictureTooLarge);
}

TEST_F(PictureLoaderTest, FileErrorsKeepTheirOwnNumbers) {
    EXPECT_EQ(errorOf([&] { PictureLoader::naturalSize(folder.filePath(u"gone.jpg"_s)); }),
              Failure::FileNotFound);
    EXPECT_EQ(errorOf([&] { PictureLoader::naturalSize(u""_s); }), Failure::FileNotFound);
    QDir(folder.path()).mkdir(u"dir.jpg"_s);
    EXPECT_EQ(errorOf([&] { PictureLoader::naturalSize(folder.filePath(u"dir.jpg"_s)); }),
              Failure::FileNotAccessible);
}

} // namespace
} // namespace platform
