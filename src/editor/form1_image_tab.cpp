#include "editor/form1.h"
#include "editor/paths.h"

#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/runtime_error.h"

#include "platform/menu_item.h"
#include "platform/picture_loader.h"
#include "platform/twips.h"
#include "windows/form2.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>

#include <cmath>

namespace {

// The general number format: no fixed decimals, no trailing zeros, and as many
// significant digits as the type holds (7 for single, 15 for double precision).
QString generalNumber(float value) {
    return QString::number(value, 'g', 7);
}
QString generalNumber(double value) {
    return QString::number(value, 'g', 15);
}

double pixelsFromTwips(double twips, double twipsPerPixel) {
    const double pixels = twips / twipsPerPixel;
    // A display rate such as 13.0909 twips a pixel leaves 99.9999999 for 100.
    return std::abs(pixels - std::round(pixels)) < 1e-4 ? std::round(pixels) : pixels;
}

} // namespace

void Form1::buildImageTab(QWidget* page) {
    Frame1 = new QGroupBox(tr("Images"), page);
    placeOnPage(Frame1, 120, 480, 3720, 2772);
    Drive1 = new platform::DriveListBox(services_.volumes, Frame1);
    place(Drive1, 120, 300, 1800, 288);
    Dir1 = new platform::DirListBox(services_.volumes, Frame1);
    place(Dir1, 120, 660, 1800, 1980);
    File1 = new platform::FileListBox(QStringLiteral("*.jpg;*.gif;*.bmp"), Frame1);
    place(File1, 2040, 300, 1560, 2340);
    File1->setPath(Dir1->Path());

    Image1 = new platform::ImageBox(centralWidget());
    Image1->setStretch(true);
    place(Image1, 3960, 720, 2100, 3000);
    Image2 = new platform::ImageBox(page);
    Image2->hide();

    Label10 = new platform::Label(QStringLiteral("Label10"), page);
    Label11 = new platform::Label(QStringLiteral("Label11"), page);
    Label12 = new platform::Label(QStringLiteral("Label12"), page);
    for (platform::Label* holder : {Label10, Label11, Label12})
        holder->hide();

    connect(Drive1, &platform::DriveListBox::Change, this, &Form1::Form1_Drive1_Change);
    connect(Dir1, &platform::DirListBox::Change, this, &Form1::Form1_Dir1_Change);
    connect(File1, &platform::FileListBox::Click, this, &Form1::Form1_File1_Click);
    connect(Image1, &platform::ImageBox::Click, this, &Form1::Form1_Image1_Click);
}

void Form1::Form1_Drive1_Change() {
    try {
        Dir1->setPath(Drive1->Drive());
    } catch (const platform::RuntimeError& error) {
        recoverFromDriveFailure(error.number(), Dir1, Drive1);
        Image1->setPicture(QPixmap());
    }
}

void Form1::Form1_Dir1_Change() {
    File1->setPath(Dir1->Path());
}

void Form1::Form1_File1_Click() {
    try {
        setMousePointer(PointerHourglass);
        showPicture(joinFolderAndFile(Dir1->Path(), File1->FileName()));
        setMousePointer(PointerDefault);
    } catch (const platform::RuntimeError& error) {
        if (error.number() == platform::error::OutOfMemory)
            services_.messages.exclamation(this, QString::fromUtf8(error.what()),
                                           tr("Picture Too Large"));
        recoverFromImageFailure(error.number());
    } catch (const std::exception&) {
        recoverFromImageFailure(0); // out of memory and the like: quietly, as any other error
    }
}

void Form1::showPicture(const QString& path, bool measure) {
    // The preview is decoded straight at the size it is shown; the natural size
    // comes from the file's header. Nothing is decoded in full.
    const QSize previewPixels = Image1->size() * Image1->devicePixelRatioF();
    QPixmap preview = QPixmap::fromImage(platform::PictureLoader::stretchedTo(path, previewPixels));
    preview.setDevicePixelRatio(Image1->devicePixelRatioF());
    Image1->setPicture(preview);
    const QSize natural = platform::PictureLoader::naturalSize(path);
    Image2->resize(natural);

    Label10->setCaption(path);
    if (measure) {
        const double perPixel = twips_.perPixel();
        Label11->setCaption(generalNumber(static_cast<float>(Image2->width() * perPixel)));
        Label12->setCaption(generalNumber(static_cast<float>(Image2->height() * perPixel)));
        // Twips back to pixels at the same rate: the picture's own size in pixels.
        Text6->setText(generalNumber(pixelsFromTwips(Label11->Caption().toDouble(), perPixel)));
        Text7->setText(generalNumber(pixelsFromTwips(Label12->Caption().toDouble(), perPixel)));
    }
    Image1->Tag = path;
    mnuImage->setChecked(true);
}

void Form1::recoverFromImageFailure(int errorNumber) {
    if (errorNumber == platform::error::InvalidPicture)
        services_.messages.exclamation(this, tr("Invalid Picture Type"), tr("Corrupt Picture"));
    try {
        Dir1->setPath(Tag);
    } catch (const platform::RuntimeError&) {
        // The start folder itself has gone; the lists stay where they are.
    }
    Image1->setPicture(QPixmap());
    setMousePointer(PointerDefault);
}

Form2* Form1::previewWindow() const {
    return preview_;
}

void Form1::Form1_Image1_Click() {
    if (!preview_) {
        preview_ = new Form2([this] { return Image1->Tag; }, this);
        preview_->setAttribute(Qt::WA_DeleteOnClose);
    }
    preview_->showMaximized();
    preview_->raise();
    preview_->activateWindow();
}
