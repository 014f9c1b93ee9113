#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTemporaryDir;
class StationeryDocument;
namespace platform {
class UrlOpener;
}

// File > Preview in Browser: the document as Save would write it, in a folder of this
// run's own that goes with this object however the program ends, handed to the
// system's browser.
class BrowserPreview : public QObject {
    Q_OBJECT
public:
    BrowserPreview(const StationeryDocument& document, platform::UrlOpener& browser,
                   QObject* parent = nullptr);
    ~BrowserPreview() override;

    // Writes the page and opens it. `failed` hears what went wrong, in plain words,
    // and whether it was the writing (false) or the browser (true).
    void show(const std::function<void(const QString& reason, bool browser)>& failed);

private:
    const StationeryDocument& document_;
    platform::UrlOpener& browser_;
    std::unique_ptr<QTemporaryDir> folder_;
    int shown_ = 0; // previews written into the folder
};
