#pragma once

#include "platform/platform_error.h"

#include <QImage>

#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <optional>

namespace platform {

// Decodes pictures off the window's thread, the newest request winning. One decode
// runs at a time; a request made meanwhile waits, replacing any that waited before
// it, so walking quickly through a folder decodes the first and the last picture
// rather than each one between. Only the newest request's result is delivered; a
// decode that was overtaken is dropped as soon as it ends, so no picture but the
// newest is kept.
class LatestPictureDecoder : public QObject {
    Q_OBJECT
public:
    // Decodes the file at `path` to `size`; throws PlatformError when it cannot.
    using Decode = std::function<QImage(const QString& path, QSize size)>;

    explicit LatestPictureDecoder(Decode decode, QObject* parent = nullptr);
    // Waits for a decode still running; its result is dropped.
    ~LatestPictureDecoder() override;

    void request(const QString& path, QSize size);
    // Nothing asked so far is wanted any more.
    void cancel();
    // Whether a decode is running or waiting.
    bool busy() const { return running_; }

signals:
    void decoded(const QString& path, const QImage& image);
    // The newest request's file could not be decoded, for this reason, in these words.
    void failed(const QString& path, platform::Failure failure, const QString& description);

private:
    struct Job {
        quint64 serial;
        QString path;
        QSize size;
    };
    void start(Job job);
    void finished(const Job& job, const QImage& image, std::optional<Failure> failure,
                  const QString& description);

    Decode decode_;
    QThreadPool pool_;
    std::optional<Job> waiting_;
    bool running_ = false;
    quint64 newest_ = 0;
};

} // namespace platform
