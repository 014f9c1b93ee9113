#include "windows/form2.h"

#include "platform/mouse_pointer.h"

#include "platform/image_box.h"
#include "platform/picture_loader.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"

#include <QEvent>
#include <QTimer>

#include <cmath>

Form2::Form2(std::function<QString()> chosenImagePath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Image1(new platform::ImageBox(this)), Timer1(new QTimer(this)),
      chosenImagePath_(std::move(chosenImagePath)), twips_(platform::Twips::forWidget(this)) {
    setWindowTitle(QStringLiteral("Form2"));
    setPalette(QPalette(Qt::white, Qt::black));
    setAutoFillBackground(true);
    resize(twips_.toPixels(3744), twips_.toPixels(2544));
    setWindowState(Qt::WindowMaximized);
    Image1->setGeometry(twips_.toPixels(1200), twips_.toPixels(840), twips_.toPixels(1932),
                        twips_.toPixels(1212));
    Image1->setObjectName(QStringLiteral("Image1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &Form2::Form2_Timer1_Timer);
    connect(Image1, &platform::ImageBox::Click, this, &Form2::Form2_Image1_Click);
    Form2_Form_Load();
}

Form2::~Form2() = default;

void Form2::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (pointer == 11)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

bool Form2::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form2_Form_GotFocus();
    return handled;
}

void Form2::Form2_Form_Load() {
    prepareLayout();
}

void Form2::Form2_Form_GotFocus() {
    prepareLayout();
}

void Form2::prepareLayout() {
    Image1->hide();
    Image1->setStretch(false);
    Timer1->start();
    setMousePointer(platform::PointerHourglass);
}

Form2::Layout Form2::layout(double w, double h, double windowWidth, double windowHeight) {
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

void Form2::Form2_Timer1_Timer() {
    Timer1->stop();
    const QString path = chosenImagePath_();
    try {
        if (path.isEmpty())
            throw platform::RuntimeError(platform::error::FileNotFound, QString());
        const QSize natural = platform::PictureLoader::naturalSize(path);
        const Layout l =
            layout(twips_.fromPixels(natural.width()), twips_.fromPixels(natural.height()),
                   twips_.fromPixels(frameGeometry().width()),
                   twips_.fromPixels(frameGeometry().height()));
        Image1->setStretch(l.stretched);
        const QRect shown(twips_.toPixels(l.left), twips_.toPixels(l.top),
                          std::max(1, twips_.toPixels(l.width)),
                          std::max(1, twips_.toPixels(l.height)));
        Image1->setGeometry(shown);
        // Decode only what the window can show: the picture at its shown size, cut
        // to the window.
        const QRect visible = shown.intersected(rect()).translated(-shown.topLeft());
        const QImage part = platform::PictureLoader::partOf(path, shown.size(), visible);
        Image1->setPicturePart(QPixmap::fromImage(part), visible.topLeft());
        Image1->show();
    } catch (const platform::RuntimeError&) {
        // Gone or spoilt since it was chosen: the window stays black.
        Image1->setPicture(QPixmap());
    }
    setMousePointer(platform::PointerDefault);
}

void Form2::Form2_Image1_Click() {
    setMousePointer(platform::PointerDefault);
    hide();
}
