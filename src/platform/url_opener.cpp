#include "platform/url_opener.h"

#include <QDesktopServices>

namespace platform {

bool DesktopUrlOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace platform
