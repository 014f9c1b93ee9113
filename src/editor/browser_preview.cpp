#include "editor/browser_preview.h"

#include "editor/stationery_document.h"
#include "platform/error_words.h"
#include "platform/url_opener.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

BrowserPreview::BrowserPreview(const StationeryDocument& document, platform::UrlOpener& browser,
                               QObject* parent)
    : QObject(parent), document_(document), browser_(browser) {}

BrowserPreview::~BrowserPreview() = default;

void BrowserPreview::show(const std::function<void(const QString&, bool)>& failed) {
    if (!folder_)
        folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                  QStringLiteral("/stationery-preview-XXXXXX"));
    if (!folder_->isValid()) {
        const QString reason = folder_->errorString();
        folder_.reset();
        return failed(reason, false);
    }
    // A page of its own each time: a browser may still hold the last one open, which
    // Windows then will not let be replaced, and shows a new name afresh.
    const QString page =
        folder_->filePath(++shown_ == 1 ? QStringLiteral("preview.htm")
                                        : QStringLiteral("preview-%1.htm").arg(shown_));
    try {
        // What a recipient reads, with a few lines standing in for the message.
        document_.writePreview(page, {tr("Dear friend,"), QString(),
                                      tr("Greetings from here. This is how your message looks "
                                         "to the people who get it: your picture, colours, font "
                                         "and margins behind what you write."),
                                      QString(), tr("Best wishes")});
    } catch (const std::exception& error) {
        return failed(errorWords(error), false);
    }
    browser_.open(QUrl::fromLocalFile(page),
                  [failed](const QString& reason) { failed(reason, true); });
}
