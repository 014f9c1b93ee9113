#include "dialogs/picture_preview_window.h"

#include "platform/image_box.h"
#include "platform/picture_loader.h"
#include "platform/platform_error.h"

#include <QEvent>
#include <QTimer>

#include <cmath>

PicturePreviewWindow::PicturePreviewWindow(std::function<QString()> chosenImagePath,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      picture_(new platform::ImageBox(this)), fitTimer_(new QTimer(this)),
      chosenImagePath_(std::move(chosenImagePath)) {
    setWindowTitle(QStringLiteral("Form2")); // the caption its users know
    setPalette(QPalette(Qt::white, Qt::black));
    setAutoFillBackground(true);
    resize(250, 170);
    setWindowState(Qt::WindowMaximized);
    picture_->setGeometry(80, 56, 129, 81);
    picture_->setObjectName(QStringLiteral("picture"));
    fitTimer_->setObjectName(QStringLiteral("fitTimer"));
    fitTimer_->setInterval(1);
    connect(fitTimer_, &QTimer::timeout, this, &PicturePreviewWindow::fitAfterActivation);
    connect(picture_, &platform::ImageBox::clicked, this, &PicturePreviewWindow::pictureClicked);
    load();
}

PicturePreviewWindow::~PicturePreviewWindow() = default;

void PicturePreviewWindow::setBusy(bool busy) {
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

bool PicturePreviewWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        gotFocus();
    return handled;
}

void PicturePreviewWindow::load() {
    prepareLayout();
}

void PicturePreviewWindow::gotFocus() {
    prepareLayout();
}

void PicturePreviewWindow::prepareLayout() {
    picture_->hide();
    picture_->setStretch(false);
    fitTimer_->start();
    setBusy(true);
}

PicturePreviewWindow::Layout PicturePreviewWindow::layout(double w, double h, double windowWidth,
                                                          double windowHeight) {
    const double centreX = std::floor(windowWidth * 0.5);
    const double centreY = std::floor(windowHeight * 0.5);
    double ratio = 1;
    // Only the longer side decides, and only when it is strictly longer than the window.
    if (w / windowWidth > 1 && w > h)
        ratio = w / windowWidth;
    else if (h / windowHeight > 1 && h > w)
        ratio = h / windowHeight;
    const float width = static_cast<float>(w / ratio);
    const float height = static_cast<float>(h / ratio);
    return {centreX - width / 2.0, centreY - height / 2.0, width, height, ratio != 1};
}

void PicturePreviewWindow::fitAfterActivation() {
    fitTimer_->stop();
    const QString path = chosenImagePath_();
    try {
        if (path.isEmpty())
            throw platform::PlatformError(platform::Failure::FileNotFound, QString());
        const QSize natural = platform::PictureLoader::naturalSize(path);
        const Layout l = layout(natural.width(), natural.height(), frameGeometry().width(),
                                frameGeometry().height());
        picture_->setStretch(l.stretched);
        const QRect shown(qRound(l.left), qRound(l.top), std::max(1, qRound(l.width)),
                          std::max(1, qRound(l.height)));
        picture_->setGeometry(shown);
        // Decode only what the window can show: the picture at its shown size, cut
        // to the window.
        const QRect visible = shown.intersected(rect()).translated(-shown.topLeft());
        const QImage part = platform::PictureLoader::partOf(path, shown.size(), visible);
        picture_->setPicturePart(QPixmap::fromImage(part), visible.topLeft());
        picture_->show();
    } catch (const platform::PlatformError&) {
        // Gone or spoilt since it was chosen: the window stays black.
        picture_->setPicture(QPixmap());
    }
    setBusy(false);
}

void PicturePreviewWindow::pictureClicked() {
    setBusy(false);
    hide();
}
