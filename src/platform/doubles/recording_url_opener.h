#pragma once

#include "platform/url_opener.h"

#include <vector>

namespace platform {

// Keeps each URL instead of opening it; `succeeds` says whether a browser "started".
class RecordingUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return succeeds;
    }

    std::vector<QUrl> opened;
    bool succeeds = true;
};

} // namespace platform
