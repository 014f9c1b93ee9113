#include "platform/latest_picture_decoder.h"
#include "platform/platform_error.h"

#include <QMutex>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A decoder whose decodes wait until the test lets each one finish, and which records
// what it was asked to decode; names starting "bad" fail.
struct GatedDecodes {
    QSemaphore gate;
    QMutex lock;
    QStringList decoded;

    QImage operator()(const QString& path, QSize size) {
        {
            QMutexLocker locked(&lock);
            decoded << path;
        }
        gate.acquire();
        if (path.startsWith(u"bad"_s))
            throw platform::PlatformError(platform::Failure::NotAPicture, u"Invalid picture"_s);
        return QImage(size, QImage::Format_RGB32);
    }
    QStringList seen() {
        QMutexLocker locked(&lock);
        return decoded;
    }
};

// Walking through a folder: whatever was asked while a decode ran, only the first
// and the newest request are decoded, and only the newest is delivered, failures too.
TEST(LatestPictureDecoder, TheNewestRequestWinsAndNothingOvertakenIsDelivered) {
    const struct {
        QStringList requests;
        bool cancelAtEnd;
        QStringList decoded;
        QString delivered; // "" for nothing
        QString failed;
    } cases[] = {
        {{u"a"_s}, false, {u"a"_s}, u"a"_s, {}},
        {{u"a"_s, u"b"_s, u"c"_s, u"d"_s}, false, {u"a"_s, u"d"_s}, u"d"_s, {}},
        {{u"a"_s, u"bad"_s}, false, {u"a"_s, u"bad"_s}, {}, u"bad"_s},
        {{u"bad"_s, u"b"_s}, false, {u"bad"_s, u"b"_s}, u"b"_s, {}},
        {{u"a"_s, u"b"_s}, true, {u"a"_s}, {}, {}},
    };
    for (const auto& c : cases) {
        GatedDecodes decodes;
        platform::LatestPictureDecoder decoder(std::ref(decodes));
        QSignalSpy delivered(&decoder, &platform::LatestPictureDecoder::decoded);
        QSignalSpy failed(&decoder, &platform::LatestPictureDecoder::failed);
        for (const QString& path : c.requests)
            decoder.request(path, QSize(4, 3));
        if (c.cancelAtEnd)
            decoder.cancel();
        // Let every decode finish, one at a time, as the decoder starts them.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            decodes.gate.release(1);
            QCoreApplication::processEvents();
            return !decoder.busy();
        })) << c.requests.join(u',').toStdString();
        EXPECT_EQ(decodes.seen(), c.decoded) << c.requests.join(u',').toStdString();
        EXPECT_EQ(delivered.size(), c.delivered.isEmpty() ? 0 : 1);
        if (!delivered.isEmpty()) {
            EXPECT_EQ(delivered.at(0).at(0).toString(), c.delivered);
            EXPECT_EQ(delivered.at(0).at(1).value<QImage>().size(), QSize(4, 3));
        }
        EXPECT_EQ(failed.size(), c.failed.isEmpty() ? 0 : 1);
        if (!failed.isEmpty()) {
            EXPECT_EQ(failed.at(0).at(0).toString(), c.failed);
            EXPECT_EQ(failed.at(0).at(1).value<platform::Failure>(),
                      platform::Failure::NotAPicture);
        }
        decodes.gate.release(10); // nothing may wait when the decoder goes
    }
}

} // namespace
