#include "editor/design_picker.h"

#include "dialogs/designs_window.h"
#include "editor/designs.h"
#include "editor/paths.h"
#include "editor/stationery_document.h"
#include "platform/message_box.h"
#include "stationery/atomic_file.h"
#include "stationery/file_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

namespace {

constexpr QSize kThumbnailSize(168, 112);

} // namespace

DesignPicker::DesignPicker(Services services, QString pictureFolder)
    : QObject(services.window), services_(std::move(services)),
      pictureFolder_(std::move(pictureFolder)) {}

void DesignPicker::show() {
    if (!window_) {
        std::vector<DesignsWindow::Entry> entries;
        for (const Design& design : designs())
            entries.push_back({QCoreApplication::translate("Designs", design.name),
                               designThumbnail(design, kThumbnailSize)});
        window_ = new DesignsWindow(entries, services_.window);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        connect(window_, &DesignsWindow::chosen, this,
                [this](int index) { apply(designs().at(std::size_t(index))); });
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void DesignPicker::apply(const Design& design) {
    if (services_.mayLeaveTheDocument && !services_.mayLeaveTheDocument())
        return;
    QString picture;
    try {
        picture = placedPicture(design, pictureFolder_);
    } catch (const stationery::FileWriteError& error) {
        services_.messages.exclamation(
            services_.window,
            tr("The design's picture could not be written to \"%1\": %2.")
                .arg(QDir::toNativeSeparators(pictureFolder_),
                     QString::fromStdString(error.reason())),
            tr("Design Not Applied"));
        return;
    }
    // A design starts a new stationery with its picture, with no file of its own yet.
    stationery::StationerySettings settings;
    applyDesign(design, settings);
    const QSize size = QImageReader(picture).size();
    settings.picture = QDir::toNativeSeparators(picture).toStdString();
    settings.pictureWidth = size.width();
    settings.pictureHeight = size.height();
    services_.document.startNew(settings);
}

QString DesignPicker::placedPicture(const Design& design, const QString& folder) {
    std::error_code error;
    std::filesystem::create_directories(fileSystemPath(folder), error);
    if (error)
        throw stationery::FileWriteError(error.message());
    const QByteArray bytes = designPicture(design);
    const std::string_view contents(bytes.constData(), std::size_t(bytes.size()));
    const std::filesystem::path placed = stationery::firstFreeName(
        fileSystemPath(folder), stationery::pathFromUtf8(std::string(design.fileStem) + ".jpg"),
        [&](const std::filesystem::path& name) {
            // Written whole under its name, never over a file already there; a name taken
            // by this picture (written before, or by another editor this moment) is
            // ours, one taken by someone else's file, a pipe or a folder is passed over.
            if (stationery::createFileWhole(name, contents))
                return true;
            const auto existing = stationery::readRegularFile(name, contents.size());
            return existing && *existing == contents;
        });
    return qStringFromPath(placed);
}
