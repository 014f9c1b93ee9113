#pragma once

#include <QUrl>

namespace platform {

// Hands a URL to the system's browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when no program could be started to show it.
    virtual bool open(const QUrl& url) = 0;
};

// The desktop's own choice (xdg-open on Linux, the shell on Windows).
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

} // namespace platform
