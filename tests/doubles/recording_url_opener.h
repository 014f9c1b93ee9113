#pragma once

#include "platform/url_opener.h"

#include <vector>

namespace platform {

// Keeps each URL instead of opening it; when `failure` is set, reports it at once.
class RecordingUrlOpener : public UrlOpener {
public:
    void open(const QUrl& url, FailureHandler failed) override {
        opened.push_back(url);
        if (!failure.isEmpty())
            failed(failure);
    }

    std::vector<QUrl> opened;
    QString failure;
};

} // namespace platform
