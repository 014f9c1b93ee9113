#include "editor/form1.h"

#include "editor/check_presenter.h"
#include "editor/color_font_page.h"
#include "editor/design_picker.h"
#include "editor/file_commands.h"
#include "editor/image_page.h"
#include "editor/margins_page.h"
#include "editor/sound_page.h"
#include "editor/stationery_document.h"
#include "editor/ticker_page.h"
#include "editor/twips_layout.h"
#include "editor/window_icon.h"
#include "platform/dir_list_box.h"
#include "platform/export_guards.h"
#include "platform/file_browser.h"
#include "platform/image_box.h"
#include "platform/media_control.h"
#include "platform/menu_item.h"
#include "platform/tab_control.h"
#include "windows/about_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStandardPaths>

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
      twips_(platform::Twips::forWidget(this)), document_(new StationeryDocument(this)) {
    showPath(tr("Varek's Outlook Express Stationery Creator"));
    setWindowIcon(programWindowIcon());
    auto* client = new QWidget(this);
    setCentralWidget(client);
    buildMenus();

    SSTab1 = new platform::TabControl(client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(tr("Stationery parts"));
    layout_ = std::make_unique<TwipsLayout>(twips_, SSTab1->tabStripHeight());
    layout_->place(SSTab1, 0, 240, 6252, 4284);
    const PageContext context{*document_, *layout_, services_.messages, this, [this](int pointer) {
                                  setMousePointer(pointer);
                              }};
    const auto addPage = [this](const char* caption) {
        auto* page = new QWidget;
        SSTab1->addTab(page, tr(caption));
        return page;
    };
    imagePage_ = new ImagePage(addPage(QT_TR_NOOP("Image")), client, context, services_.volumes);
    soundPage_ = new SoundPage(addPage(QT_TR_NOOP("Sound")), client, context, services_.volumes,
                               services_.audio);
    tickerPage_ = new TickerPage(addPage(QT_TR_NOOP("Ticker")), context);
    colorFontPage_ = new ColorFontPage(addPage(QT_TR_NOOP("Color-Font")), context, CommonDialog1);
    marginsPage_ = new MarginsPage(addPage(QT_TR_NOOP("Margins")), context);
    SSTab1->setTab(TabImage);
    // The preview and the media control sit on the form, above the tabs; the
    // window shows each only with its own tab.
    imagePage_->preview()->raise();
    soundPage_->mediaControl()->raise();
    connect(SSTab1, &platform::TabControl::Click, this, &Form1::Form1_SSTab1_Click);

    check_ = new CheckPresenter(*document_, *imagePage_->preview(), this);
    connect(imagePage_, &ImagePage::previewShown, check_, &CheckPresenter::refresh);
    files_ = new FileCommands({*document_, CommonDialog1, services_.messages, services_.browser,
                               this, [this](int pointer) { setMousePointer(pointer); },
                               [this] {
                                   OpenedFileProblems problems = imagePage_->showOpened(*document_);
                                   problems += soundPage_->showOpened(*document_);
                                   tickWhatTheFileSets();
                                   return problems;
                               }});
    designs_ = new DesignPicker({*document_, services_.messages, this,
                                 [this](const QString& picture) {
                                     imagePage_->chooseFile(picture);
                                     tickWhatTheFileSets();
                                 }},
                                platform::designsFolder());
    connectDocument();
    setOuterSizeTwips(6480, kOuterHeight);
    Form1_Form_Load();
}

Form1::~Form1() = default;

void Form1::connectDocument() {
    // Every page shows the document as it is after any change, so what one page
    // edits (the picture's size) reaches the others.
    connect(document_, &StationeryDocument::changed, this, [this] {
        const stationery::StationerySettings& s = document_->settings();
        imagePage_->load(s);
        soundPage_->load(s);
        tickerPage_->load(s);
        colorFontPage_->load(s);
        marginsPage_->load(s);
    });
    connect(document_, &StationeryDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(document_, &StationeryDocument::pathChanged, this, &Form1::showPath);
    // The Items menu ticks each part once it has been dealt with.
    connect(imagePage_, &ImagePage::touched, mnuImage, [this] { mnuImage->setChecked(true); });
    connect(soundPage_, &SoundPage::touched, mnuSound, &platform::MenuItem::setChecked);
    connect(tickerPage_, &TickerPage::touched, mnuTicker, [this] { mnuTicker->setChecked(true); });
    connect(colorFontPage_, &ColorFontPage::touched, mnucolorfont,
            [this] { mnucolorfont->setChecked(true); });
    connect(marginsPage_, &MarginsPage::touched, mnuMargins,
            [this] { mnuMargins->setChecked(true); });
}

void Form1::showPath(const QString& path) {
    setWindowTitle(path + QStringLiteral("[*]")); // "[*]": where the unsaved mark shows
}

void Form1::buildMenus() {
    const auto item = [this](QMenu* menu, const char* caption, QKeyCombination key,
                             void (Form1::*handler)(), const char* name) {
        auto* entry = new platform::MenuItem(tr(caption), QKeySequence(key), this);
        entry->setObjectName(QLatin1String(name));
        menu->addAction(entry);
        connect(entry, &platform::MenuItem::Click, this, handler);
        return entry;
    };
    mnuFile = menuBar()->addMenu(tr("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNewFromDesign = item(mnuFile, QT_TR_NOOP("New from &Design..."), Qt::CTRL | Qt::Key_N,
                            &Form1::Form1_mnuNewFromDesign_Click, "mnuNewFromDesign");
    mnuOpen = item(mnuFile, QT_TR_NOOP("&Open..."), Qt::CTRL | Qt::SHIFT | Qt::Key_O,
                   &Form1::Form1_mnuOpen_Click, "mnuOpen");
    mnuSave = item(mnuFile, QT_TR_NOOP("&Save"), Qt::CTRL | Qt::Key_S, &Form1::Form1_mnuSave_Click,
                   "mnuSave");
    mnuExport = item(mnuFile, QT_TR_NOOP("&Export..."), Qt::CTRL | Qt::Key_E,
                     &Form1::Form1_mnuExport_Click, "mnuExport");
    mnuPreview = item(mnuFile, QT_TR_NOOP("&Preview in Browser"), QKeyCombination(Qt::Key_F5),
                      &Form1::Form1_mnuPreview_Click, "mnuPreview");
    mnuCheck = item(mnuFile, QT_TR_NOOP("&Check..."), Qt::CTRL | Qt::Key_K,
                    &Form1::Form1_mnuCheck_Click, "mnuCheck");
    mnuExit = item(mnuFile, QT_TR_NOOP("E&xit"), Qt::CTRL | Qt::Key_X, &Form1::Form1_mnuExit_Click,
                   "mnuExit");

    mnuItems = menuBar()->addMenu(tr("Items"));
    mnuItems->setObjectName(QStringLiteral("mnuItems"));
    mnuImage = item(mnuItems, QT_TR_NOOP("Image"), Qt::CTRL | Qt::Key_I,
                    &Form1::Form1_mnuImage_Click, "mnuImage");
    mnuSound = item(mnuItems, QT_TR_NOOP("Sound"), Qt::CTRL | Qt::Key_O,
                    &Form1::Form1_mnuSound_Click, "mnuSound");
    mnuTicker = item(mnuItems, QT_TR_NOOP("Ticker"), Qt::CTRL | Qt::Key_T,
                     &Form1::Form1_mnuTicker_Click, "mnuTicker");
    mnucolorfont = item(mnuItems, QT_TR_NOOP("Color-Font"), Qt::CTRL | Qt::Key_F,
                        &Form1::Form1_mnucolorfont_Click, "mnucolorfont");
    mnuMargins = item(mnuItems, QT_TR_NOOP("Margins"), Qt::CTRL | Qt::Key_M,
                      &Form1::Form1_mnuMargins_Click, "mnuMargins");
    for (platform::MenuItem* entry : {mnuImage, mnuSound, mnuTicker, mnucolorfont, mnuMargins})
        entry->setCheckable(true);

    mnuAbout = new platform::MenuItem(tr("&About"), QKeySequence(), this);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    menuBar()->addAction(mnuAbout);
    connect(mnuAbout, &platform::MenuItem::Click, this, &Form1::Form1_mnuAbout_Click);
}

void Form1::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (pointer == PointerHourglass)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

// --- Size and tabs -------------------------------------------------------------

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

void Form1::Form1_Form_Load() {
    centreMediaControl();
    imagePage_->preview()->Tag = QString();
    platform::MediaControl* player = soundPage_->mediaControl();
    const bool soundTab = SSTab1->Tab() == TabSound;
    player->setVisible(soundTab);
    player->setBooleanSetting(platform::MediaControl::Visible, soundTab);
    Tag = imagePage_->browser().folders()->Path();
    imagePage_->browser().setStartFolder(Tag);
    soundPage_->browser().setStartFolder(Tag);
    if (imagePage_->chosenFile().isEmpty())
        marginsPage_->setSizeFieldsEnabled(false);
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
    const int width = std::clamp(static_cast<int>(std::lround(outerWidthTwips())), kMinOuterWidth,
                                 kMaxOuterWidth);
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
    platform::ImageBox* preview = imagePage_->preview();
    preview->move(twips_.toPixels(std::trunc(outerWidthTwips() - kPreviewFromRight)), preview->y());
    resizing_ = false;
}

void Form1::centreMediaControl() {
    platform::MediaControl* player = soundPage_->mediaControl();
    const double left =
        std::trunc(outerWidthTwips() / 2) - std::trunc(twips_.fromPixels(player->width()) / 2);
    player->move(twips_.toPixels(left), twips_.toPixels(kMediaControlTop));
}

void Form1::Form1_SSTab1_Click(int /*previousTab*/) {
    platform::MediaControl* player = soundPage_->mediaControl();
    if (SSTab1->Tab() == TabSound) {
        player->setBooleanSetting(platform::MediaControl::Visible, true);
        player->setVisible(true);
    } else {
        player->setVisible(false);
        player->setBooleanSetting(platform::MediaControl::Visible, false);
    }
    imagePage_->preview()->setVisible(SSTab1->Tab() == TabImage);
    marginsPage_->setSizeFieldsEnabled(!imagePage_->chosenFile().isEmpty());
}

// The Items menu ticks what an opened file or a design sets, as if chosen by hand.
void Form1::tickWhatTheFileSets() {
    const stationery::PartsSet set = stationery::partsSet(document_->settings());
    const std::pair<platform::MenuItem*, bool> ticks[] = {{mnuImage, set.image},
                                                          {mnuSound, set.sound},
                                                          {mnuTicker, set.ticker},
                                                          {mnucolorfont, set.colorFont},
                                                          {mnuMargins, set.margins}};
    for (const auto& [item, ticked] : ticks)
        item->setChecked(ticked);
}

// --- Other windows and the end -------------------------------------------------

void Form1::Form1_mnuAbout_Click() {
    if (!about_) {
        about_ = new AboutWindow(this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Form1::Form1_mnuExit_Click() {
    if (files_->mayLeaveTheDocument())
        endNow();
}

void Form1::endNow() {
    soundPage_->mediaControl()->setCommand(platform::MediaControl::CloseCommand);
    services_.endProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (files_->mayLeaveTheDocument())
        event->accept();
    else
        event->ignore();
}
