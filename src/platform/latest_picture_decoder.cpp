#include "platform/latest_picture_decoder.h"

#include "platform/platform_error.h"

namespace platform {

LatestPictureDecoder::LatestPictureDecoder(Decode decode, QObject* parent)
    : QObject(parent), decode_(std::move(decode)) {
    pool_.setMaxThreadCount(1);
}

LatestPictureDecoder::~LatestPictureDecoder() {
    pool_.waitForDone();
}

void LatestPictureDecoder::request(const QString& path, QSize size) {
    Job job{++newest_, path, size};
    if (running_)
        waiting_ = std::move(job);
    else
        start(std::move(job));
}

void LatestPictureDecoder::cancel() {
    ++newest_;
    waiting_.reset();
}

void LatestPictureDecoder::start(Job job) {
    running_ = true;
    pool_.start([this, job] {
        QImage image;
        std::optional<Failure> failure;
        QString description;
        try {
            image = decode_(job.path, job.size);
        } catch (const PlatformError& error) {
            failure = error.failure();
            description = QString::fromUtf8(error.what());
        } catch (const std::exception& error) { // out of memory and the like
            failure = Failure::PictureTooLarge;
            description = QString::fromLocal8Bit(error.what());
        }
        // Back on the window's thread; dropped there if this decoder has gone.
        QMetaObject::invokeMethod(
            this,
            [this, job, image = std::move(image), failure, description] {
                finished(job, image, failure, description);
            },
            Qt::QueuedConnection);
    });
}

void LatestPictureDecoder::finished(const Job& job, const QImage& image,
                                    std::optional<Failure> failure, const QString& description) {
    running_ = false;
    if (waiting_) {
        Job next = std::move(*waiting_);
        waiting_.reset();
        start(std::move(next));
    }
    if (job.serial != newest_)
        return; // overtaken: nobody wants this picture any more
    if (failure)
        emit failed(job.path, *failure, description);
    else
        emit decoded(job.path, image);
}

} // namespace platform
