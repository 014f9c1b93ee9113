#include "editor/form1.h"

#include <QTemporaryDir>

#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/image_box.h"
#include "platform/media_control.h"
#include "platform/message_box.h"
#include "platform/runtime_error.h"
#include "platform/tab_control.h"
#include "platform/twips.h"
#include "windows/artwork.h"
#include "windows/frm_about.h"

#include <QLineEdit>
#include <QResizeEvent>

#include <cmath>

namespace {

constexpr int kMinOuterWidth = 6444;
constexpr int kMaxOuterWidth = 6500;
constexpr int kOuterHeight = 4500;
constexpr int kMediaControlTop = 3000;
constexpr int kPreviewFromRight = 2500;

} // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QMainWindow(parent), CommonDialog1(services.dialogs, this), services_(std::move(services)),
      twips_(platform::Twips::forWidget(this)) {
    setWindowTitle(tr("Varek's Outlook Express Stationery Creator"));
    setWindowIcon(artwork::programIcon());

    auto* client = new QWidget(this);
    setCentralWidget(client);
    buildMenus();

    SSTab1 = new platform::TabControl(client);
    place(SSTab1, 0, 240, 6252, 4284);
    const std::pair<const char*, void (Form1::*)(QWidget*)> tabs[] = {
        {QT_TR_NOOP("Image"), &Form1::buildImageTab},
        {QT_TR_NOOP("Sound"), &Form1::buildSoundTab},
        {QT_TR_NOOP("Ticker"), &Form1::buildTickerTab},
        {QT_TR_NOOP("Color-Font"), &Form1::buildColorFontTab},
        {QT_TR_NOOP("Margins"), &Form1::buildMarginsTab},
    };
    for (const auto& [caption, build] : tabs) {
        auto* page = new QWidget;
        SSTab1->addTab(page, tr(caption));
        (this->*build)(page);
    }
    SSTab1->setTab(TabImage);
    // The preview and the media control sit on the form, above the tabs; the
    // window shows each only with its own tab.
    Image1->raise();
    MMControl1->raise();
    connect(SSTab1, &platform::TabControl::Click, this, &Form1::Form1_SSTab1_Click);

    nameControls();
    connectCheckUpdates();
    setOuterSizeTwips(6480, kOuterHeight);
    Form1_Form_Load();
}

Form1::~Form1() = default;

void Form1::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (pointer == PointerHourglass)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

// --- Twips ---------------------------------------------------------------------

void Form1::place(QWidget* widget, int left, int top, int width, int height) const {
    widget->setGeometry(twips_.toPixels(left), twips_.toPixels(top), twips_.toPixels(width),
                        twips_.toPixels(height));
}

void Form1::placeOnPage(QWidget* widget, int left, int top, int width, int height) const {
    place(widget, left, top, width, height);
    widget->move(widget->x(), std::max(0, widget->y() - SSTab1->tabStripHeight()));
}

void Form1::setLeftTwips(QWidget* widget, double left) const {
    widget->move(twips_.toPixels(left), widget->y());
}

void Form1::setTopTwips(QWidget* widget, double top) const {
    widget->move(widget->x(), twips_.toPixels(top));
}

double Form1::widthTwips(const QWidget* widget) const {
    return twips_.fromPixels(widget->width());
}

double Form1::outerWidthTwips() const {
    return twips_.fromPixels(frameGeometry().width());
}

double Form1::outerHeightTwips() const {
    return twips_.fromPixels(frameGeometry().height());
}

void Form1::setOuterSizeTwips(int width, int height) {
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    const double perPixel = twips_.perPixel();
    // Whole pixels that keep the size inside the limits.
    const int widthPixels = width <= kMinOuterWidth
                                ? static_cast<int>(std::ceil(width / perPixel))
                                : static_cast<int>(std::floor(width / perPixel));
    const int heightPixels = static_cast<int>(std::lround(height / perPixel));
    resize(widthPixels - frameExtra.width(), heightPixels - frameExtra.height());
}

// --- Start-up, resizing, tabs --------------------------------------------------

void Form1::Form1_Form_Load() {
    centreMediaControl();
    Image1->Tag = QString();
    const bool soundTab = SSTab1->Tab() == TabSound;
    MMControl1->setVisible(soundTab);
    MMControl1->setBooleanSetting(platform::MediaControl::Visible, soundTab);
    Tag = Dir1->Path();
    if (Image1->Tag.isEmpty())
        enableSizeAndMarginFields(false);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form1_Form_Resize();
}

void Form1::Form1_Form_Resize() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (resizing_)
        return; // our own resize below; the outer call finishes the layout
    resizing_ = true;
    int width = static_cast<int>(std::lround(outerWidthTwips()));
    if (width < kMinOuterWidth)
        width = kMinOuterWidth;
    if (width > kMaxOuterWidth)
        width = kMaxOuterWidth;
    setOuterSizeTwips(width, kOuterHeight);

    // Let the window system hold the same limits while the user drags.
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    const double perPixel = twips_.perPixel();
    setMinimumSize(static_cast<int>(std::ceil(kMinOuterWidth / perPixel)) - frameExtra.width(),
                   static_cast<int>(std::lround(kOuterHeight / perPixel)) - frameExtra.height());
    setMaximumSize(static_cast<int>(std::floor(kMaxOuterWidth / perPixel)) - frameExtra.width(),
                   static_cast<int>(std::lround(kOuterHeight / perPixel)) - frameExtra.height());

    SSTab1->resize(twips_.toPixels(outerWidthTwips()), SSTab1->height());
    centreMediaControl();
    setLeftTwips(Image1, std::trunc(outerWidthTwips() - kPreviewFromRight));
    resizing_ = false;
}

void Form1::centreMediaControl() {
    setLeftTwips(MMControl1,
                 std::trunc(outerWidthTwips() / 2) - std::trunc(widthTwips(MMControl1) / 2));
    setTopTwips(MMControl1, kMediaControlTop);
}

void Form1::Form1_SSTab1_Click(int /*previousTab*/) {
    if (SSTab1->Tab() == TabSound) {
        MMControl1->setBooleanSetting(platform::MediaControl::Visible, true);
        MMControl1->setVisible(true);
    } else {
        MMControl1->setVisible(false);
        MMControl1->setBooleanSetting(platform::MediaControl::Visible, false);
    }
    Image1->setVisible(SSTab1->Tab() == TabImage);
    enableSizeAndMarginFields(!Image1->Tag.isEmpty());
}

void Form1::enableSizeAndMarginFields(bool enabled) {
    for (QLineEdit* field : {Text6, Text7, Text8, Text9})
        field->setEnabled(enabled);
}

// --- Drive lists ---------------------------------------------------------------

void Form1::recoverFromDriveFailure(int errorNumber, platform::DirListBox* dir,
                                    platform::DriveListBox* drive) {
    if (errorNumber == platform::error::DeviceUnavailable)
        services_.messages.exclamation(
            this, tr("Device Not Avaible... Put a Disk in and Try again"), tr("No Disk"));
    try {
        dir->setPath(Tag);
        drive->setDrive(Tag); // raises the drive change once more, for the start drive
    } catch (const platform::RuntimeError&) {
        // The start folder itself has gone; the lists stay where they are.
    }
}

// --- Menu commands -------------------------------------------------------------

void Form1::Form1_mnuImage_Click() {
    SSTab1->setTab(TabImage);
}
void Form1::Form1_mnuSound_Click() {
    SSTab1->setTab(TabSound);
}
void Form1::Form1_mnuTicker_Click() {
    SSTab1->setTab(TabTicker);
}
void Form1::Form1_mnucolorfont_Click() {
    SSTab1->setTab(TabColorFont);
}
void Form1::Form1_mnuMargins_Click() {
    SSTab1->setTab(TabMargins);
}

void Form1::Form1_mnuExit_Click() {
    MMControl1->setCommand(platform::MediaControl::CloseCommand);
    services_.endProgram();
}

frmAbout* Form1::aboutWindow() const {
    return about_;
}

void Form1::Form1_mnuAbout_Click() {
    if (!about_) {
        about_ = new frmAbout(this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}
