#include "editor/image_page.h"

#include "dialogs/picture_preview_window.h"
#include "editor/browse_button.h"
#include "editor/em_size.h"
#include "editor/stationery_document.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_browser.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/latest_picture_decoder.h"
#include "platform/message_box.h"
#include "platform/picture_loader.h"
#include "platform/platform_error.h"
#include <QDir>
#include <QLabel>
#include <QScopedValueRollback>

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

#include <cmath>
#include <utility>

ImagePage::ImagePage(QWidget* page, PageContext context, const platform::VolumeList& volumes,
                     platform::DialogPrompter& dialogs)
    : EditorPage(page), context_(std::move(context)) {
    frame_ = new QGroupBox(tr("Images"), page);
    browser_ = new platform::FileBrowser(volumes, context_.messages,
                                         QStringLiteral("*.jpg;*.jpeg;*.gif;*.png;*.bmp"), frame_);
    auto* lists = new QGridLayout(frame_);
    lists->addWidget(browser_->drives(), 0, 0);
    lists->addWidget(browser_->folders(), 1, 0);
    lists->addWidget(browser_->files(), 0, 1, 2, 1);
    QPushButton* browse = makeBrowseButton(
        frame_, dialogs, QStandardPaths::PicturesLocation,
        {tr("Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.webp *.avif)"),
         tr("All files (*)")},
        [this](const QString& file) { chooseFile(file); });
    browse->setObjectName(QStringLiteral("pictureBrowseButton"));
    browse->setAccessibleName(tr("Browse for a picture"));
    lists->addWidget(browse, 2, 0, 1, 2, Qt::AlignLeft);
    browser_->folders()->setMinimumSize(emSize(page, 7, 10));
    browser_->files()->setMinimumSize(emSize(page, 6.5, 11.5));

    // Beside the lists, the preview.
    preview_ = new platform::ImageBox(page);
    preview_->setStretch(true);
    preview_->setFixedSize(emSize(page, 8, 11.5));
    auto* row = new QHBoxLayout(page);
    row->addWidget(frame_, 1);
    row->addWidget(preview_);
    preview_->setToolTip(tr("Click to see the picture at its own size"));

    const std::pair<QWidget*, const char*> names[] = {
        {frame_, "pictureFrame"},
        {browser_->drives(), "pictureDriveList"},
        {browser_->folders(), "pictureFolderList"},
        {browser_->files(), "pictureFileList"},
        {preview_, "picturePreview"},
    };
    const char* const spoken[] = {
        QT_TR_NOOP("Images"),        QT_TR_NOOP("Picture drive"),   QT_TR_NOOP("Picture folder"),
        QT_TR_NOOP("Picture files"), QT_TR_NOOP("Picture preview"),
    };
    for (std::size_t i = 0; i < std::size(names); ++i) {
        names[i].first->setObjectName(QLatin1String(names[i].second));
        names[i].first->setAccessibleName(tr(spoken[i]));
    }

    decoder_ =
        new platform::LatestPictureDecoder(&platform::PictureLoader::checkedStretchedTo, this);
    connect(decoder_, &platform::LatestPictureDecoder::decoded, this, &ImagePage::showDecoded);
    connect(decoder_, &platform::LatestPictureDecoder::failed, this, &ImagePage::decodeFailed);
    connect(browser_, &platform::FileBrowser::fileChosen, this, &ImagePage::chooseFile);
    connect(browser_, &platform::FileBrowser::driveFailed, this,
            [this] { preview_->setPicture(QPixmap()); });
    connect(preview_, &platform::ImageBox::clicked, this, &ImagePage::showAtOwnSize);
}

void ImagePage::load(const stationery::StationerySettings& s) {
    if (context_.document.isOpening()) {
        if (!showingOpened_) // not the size the showing measures
            showOpened();
        return;
    }
    // The picture the document names now, after Undo or Redo or a design; the page's
    // own choices are on show already.
    const QString named = QString::fromStdString(std::string(stationery::picturePath(s)));
    if (named == shownName_)
        return;
    shownName_ = named;
    clearPicture();
    const QString file = QString::fromStdString(
        std::string(stationery::picturePath(context_.document.settingsInUse())));
    if (named.isEmpty() || !QFileInfo(file).isFile())
        return;
    browser_->showFile(file);
    requested_ = file;
    decoder_->request(file, preview_->size() * preview_->devicePixelRatioF());
}

QString ImagePage::chosenFile() const {
    const stationery::StationerySettings inUse = context_.document.settingsInUse();
    return QString::fromStdString(std::string(stationery::picturePath(inUse)));
}

void ImagePage::chooseFile(const QString& chosen) {
    // Named as the system names files, whether a list, a dialog or a drop gave it.
    const QString path = QDir::toNativeSeparators(chosen);
    try {
        context_.setBusy(true);
        showPicture(path, path, true);
        browser_->follow(path);
        choiceAwaitsDecode_ = true;
        context_.setBusy(false);
    } catch (const platform::PlatformError& error) {
        reportFailure(error.failure(), QString::fromUtf8(error.what()));
    } catch (const std::exception&) {
        recoverFromFailure(std::nullopt); // out of memory and the like: quietly, as any other error
    }
}

void ImagePage::decodeFailed(const QString& path, platform::Failure failure,
                             const QString& description) {
    if (path != requested_)
        return; // chosen no more
    requested_.clear();
    if (std::exchange(choiceAwaitsDecode_, false))
        context_.document.withdrawLast(StationeryDocument::Edit::Picture);
    reportFailure(failure, description);
}

void ImagePage::reportFailure(platform::Failure failure, const QString& description) {
    if (failure == platform::Failure::PictureTooLarge)
        context_.messages.exclamation(context_.window, description, tr("Picture Too Large"));
    if (failure == platform::Failure::UnreadableKind)
        context_.messages.exclamation(
            context_.window,
            tr("This is a %1 picture, a kind phones and cameras make that this program cannot "
               "read yet. Save it as JPEG or PNG (most photo programs do this under Export or "
               "Save As), then choose that file.")
                .arg(description),
            tr("Picture Kind Not Read"));
    recoverFromFailure(failure);
}

void ImagePage::showOpened() {
    const QScopedValueRollback showing(showingOpened_, true);
    StationeryDocument& document = context_.document;
    OpenedFileProblems& problems = document.openingProblems();
    // The path as the stationery names it stays; the file is found from the stationery.
    const QString named =
        QString::fromStdString(std::string(stationery::picturePath(document.settings())));
    const QString file =
        QString::fromStdString(std::string(stationery::picturePath(document.settingsInUse())));
    shownName_ = named;
    clearPicture();
    if (named.isEmpty()) {
        // nothing to show
    } else if (QFileInfo(file).isFile()) {
        browser_->showFile(file);
        try {
            // The file's sizes, where it has them, rather than the picture measured again.
            showPicture(file, named, !stationery::isScrolling(document.settings()));
        } catch (const std::exception&) {
            problems.unreadable << named;
        }
    } else {
        problems.gone << named;
    }
}

void ImagePage::clearPicture() {
    decoder_->cancel();
    requested_.clear();
    choiceAwaitsDecode_ = false;
    preview_->setPicture(QPixmap());
    browser_->files()->showChosen(QString());
}

void ImagePage::showPicture(const QString& path, const QString& named, bool measure) {
    // The size comes from the file's header once the file is known to decode; the
    // preview is decoded meanwhile on another thread, straight at the size it is
    // shown, so the window answers at once however large the picture.
    const QSize size = platform::PictureLoader::checkedSize(path);
    preview_->setPicture(QPixmap());
    requested_ = path;
    shownName_ = named;
    decoder_->request(path, preview_->size() * preview_->devicePixelRatioF());

    // The picture's size is its size in pixels.
    context_.document.edit(StationeryDocument::Edit::Picture,
                           [&](stationery::StationerySettings& s) {
                               s.picture = named.toStdString();
                               if (measure) {
                                   s.pictureWidth = size.width();
                                   s.pictureHeight = size.height();
                               }
                           });
    emit touched();
}

void ImagePage::showDecoded(const QString& path, const QImage& image) {
    if (path != requested_)
        return; // chosen no more
    choiceAwaitsDecode_ = false;
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(preview_->devicePixelRatioF());
    preview_->setPicture(picture);
    context_.document.setDecodedPicture(image);
    emit previewShown();
}

void ImagePage::recoverFromFailure(std::optional<platform::Failure> failure) {
    decoder_->cancel();
    if (failure == platform::Failure::NotAPicture)
        context_.messages.exclamation(context_.window, tr("Invalid Picture Type"),
                                      tr("Corrupt Picture"));
    browser_->returnToStartFolder();
    preview_->setPicture(QPixmap());
    context_.setBusy(false);
}

void ImagePage::showAtOwnSize() {
    if (!previewWindow_) {
        previewWindow_ = new PicturePreviewWindow([this] { return chosenFile(); }, context_.window);
        previewWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    previewWindow_->showMaximized();
    previewWindow_->raise();
    previewWindow_->activateWindow();
}

PicturePreviewWindow* ImagePage::previewWindow() const {
    return previewWindow_;
}
