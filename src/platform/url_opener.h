#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace platform {

// Hands a URL to the system's browser. Starting one takes a moment and may fail only
// later, so a failure is reported through `failed`, with the reason in plain words,
// whenever it becomes known (at once, or after the opener has exited).
class UrlOpener {
public:
    using FailureHandler = std::function<void(const QString& reason)>;
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url, FailureHandler failed) = 0;
};

// The desktop's own choice. On Linux and other free systems the opener (xdg-open, or
// the program given) runs as a child process whose exit status and error output are
// read; elsewhere the system's shell is asked, which answers at once.
class DesktopUrlOpener : public UrlOpener {
public:
    explicit DesktopUrlOpener(QString opener = QStringLiteral("xdg-open"));
    void open(const QUrl& url, FailureHandler failed) override;

private:
    QString opener_;
};

} // namespace platform
