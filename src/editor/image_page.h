#pragma once

#include "editor/editor_page.h"
#include "editor/page_context.h"
#include "platform/platform_error.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

class PicturePreviewWindow;
class StationeryDocument;
class QGroupBox;
namespace platform {
class DialogPrompter;
class FileBrowser;
class ImageBox;
class LatestPictureDecoder;
class VolumeList;
} // namespace platform
namespace stationery {
struct StationerySettings;
}

// The Image tab: the picture is chosen in a file browser, shown stretched in the
// preview beside the tabs (a click there shows it at its own size) and measured; its
// size goes to the document, from where the Margins tab shows it.
class ImagePage : public EditorPage {
    Q_OBJECT
public:
    ImagePage(QWidget* page, PageContext context, const platform::VolumeList& volumes,
              platform::DialogPrompter& dialogs);
    StationeryDocument::Parts shows() const override { return StationeryDocument::Part::Picture; }
    void load(const stationery::StationerySettings& settings) override;

    platform::FileBrowser& browser() const { return *browser_; }
    platform::ImageBox* preview() const { return preview_; }
    PicturePreviewWindow* previewWindow() const;

    void chooseFile(const QString& path);
    void showAtOwnSize();
signals:
    // The preview now shows the chosen picture (decoded off the window's thread).
    void previewShown();

private:
    // The chosen picture's file, empty while none is chosen.
    QString chosenFile() const;
    // Shows the picture an opened stationery names, its lists at its folder, measured
    // unless the stationery carries its size; tells the Open what cannot be shown.
    void showOpened();
    void clearPicture();
    // Records the picture at `path` as chosen, its size measured when `measure`, and
    // has its preview decoded. Throws PlatformError as the loader does, before anything
    // is recorded, when the file is not a whole picture it can decode.
    void showPicture(const QString& path, const QString& named, bool measure);
    void showDecoded(const QString& path, const QImage& image);
    void reportFailure(platform::Failure failure, const QString& description);
    // The decode of `path` failed after it was chosen: the choice before it comes back.
    void decodeFailed(const QString& path, platform::Failure failure, const QString& description);
    void recoverFromFailure(std::optional<platform::Failure> failure);

    PageContext context_;
    QGroupBox* frame_ = nullptr;
    platform::FileBrowser* browser_ = nullptr;
    platform::ImageBox* preview_ = nullptr;
    // The file whose preview is being decoded; a decode of any other comes too late.
    QString requested_;
    QPointer<PicturePreviewWindow> previewWindow_;
    // Whether the picture whose preview is being decoded was chosen as a step of its
    // own, to be taken back should its decode fail; not after an Open, which keeps what
    // the file names.
    bool choiceAwaitsDecode_ = false;
    QString shownName_; // as the document names the picture on show
    bool showingOpened_ = false;
    platform::LatestPictureDecoder* decoder_ = nullptr;
};
