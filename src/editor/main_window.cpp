#include "editor/main_window.h"
#include "editor/main_menus.h"
#include "editor/outlook_stationery_command.h"

#include "dialogs/about_window.h"
#include "editor/check_presenter.h"
#include "editor/color_font_page.h"
#include "editor/design_picker.h"
#include "editor/dropped_file.h"
#include "editor/file_commands.h"
#include "editor/image_page.h"
#include "editor/mail_account_command.h"
#include "editor/margins_page.h"
#include "editor/new_message.h"
#include "editor/shortcuts_first.h"
#include "editor/sound_page.h"
#include "editor/stationery_document.h"
#include "editor/ticker_page.h"
#include "editor/window_icon.h"
#include "platform/dir_list_box.h"
#include "platform/export_guards.h"
#include "platform/file_browser.h"
#include "platform/image_box.h"
#include "platform/media_control.h"
#include "platform/menu_item.h"
#include "platform/message_box.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), dialog_(services_.dialogs, this),
      document_(new StationeryDocument(this)) {
    showPath(tr("Varek's Outlook Express Stationery Creator"));
    setWindowIcon(programWindowIcon());
    auto* client = new QWidget(this);
    setCentralWidget(client);
    buildMenus();

    statusBar()->setObjectName(QStringLiteral("statusBar"));
    // What the last command did and what to do next, wrapped rather than cut off.
    statusMessage_ = new QLabel(statusBar());
    statusMessage_->setObjectName(QStringLiteral("statusMessage"));
    statusMessage_->setWordWrap(true);
    statusMessage_->setTextFormat(Qt::PlainText);
    statusMessage_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(statusMessage_, 1);
    tabs_ = new QTabWidget(client);
    tabs_->setObjectName(QStringLiteral("partTabs"));
    tabs_->setAccessibleName(tr("Stationery parts"));
    // Every tab's name in sight: the window is as wide as the tabs need.
    tabs_->setUsesScrollButtons(false);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    addPages();

    check_ = new CheckPresenter(*document_, this);
    connect(document_, &StationeryDocument::pictureDecoded, check_, &CheckPresenter::refresh);
    files_ = new FileCommands({*document_, dialog_, services_.messages, services_.browser, this,
                               [this](bool busy) { setBusy(busy); },
                               [this](const QString& text) {
                                   showStatus(text);
                               }});
    newMessage_ =
        new NewMessageCommand({*document_, services_.mailClient, services_.messages, this,
                               [this](const QString& path) {
                                   return files_->exportTo(path, stationery::ExportForm::Message);
                               },
                               [this] { files_->exportWithDialog(); },
                               [this](const QString& text) {
                                   showStatus(text);
                               }},
                              QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                  QStringLiteral("/messages"));
    mailAccount_ = new MailAccountCommand(
        {services_.messages, services_.mailAccount, this, *document_,
         [this](const stationery::AccountCopy& copy) { return files_->messageTemplate(copy); },
         [this](const QString& text) {
             showStatus(text);
         }});
    designs_ = new DesignPicker({*document_, services_.messages, this,
                                 [this] {
                                     return files_->mayLeaveTheDocument();
                                 }},
                                platform::designsFolder());
    // Where the stationery goes to become mail: a class and a row each.
    destinations_ = {
        {QT_TR_NOOP("New &Message in Mail Client"), Qt::CTRL | Qt::SHIFT | Qt::Key_M,
         "newMessageAction", newMessage_},
        {QT_TR_NOOP("P&ut in Mail Account..."), Qt::CTRL | Qt::SHIFT | Qt::Key_U,
         "putInMailAccountAction", mailAccount_},
    };
#ifdef Q_OS_WIN
    destinations_.push_back(
        {QT_TR_NOOP("Put in &Outlook Stationery"), Qt::CTRL | Qt::SHIFT | Qt::Key_T,
         "outlookStationeryAction",
         new OutlookStationeryCommand({*document_, services_.messages, this,
                                       [this](const QString& path) {
                                           return files_->exportTo(
                                               path, stationery::ExportForm::TodaysClients);
                                       },
                                       [this](const QString& text) {
                                           showStatus(text);
                                       }},
                                      OutlookStationeryCommand::personalStationeryFolder(), this)});
#endif
    fillFileMenu(fileMenu_, {files_, destinations_, designs_, check_, [this] {
                                 exit();
                             }});
    connectDocument();
    new DroppedFiles(this, {[this](const QString& path) {
                                if (files_->mayLeaveTheDocument())
                                    files_->open(path);
                            },
                            [this](const QString& path) {
                                tabs_->setCurrentIndex(TabImage);
                                imagePage_->chooseFile(path);
                            },
                            [this](const QString& path) {
                                tabs_->setCurrentIndex(TabSound);
                                soundPage_->chooseSound(path);
                            },
                            [this](const QString& why) {
                                services_.messages.exclamation(this, why, tr("File Not Used"));
                            }});
    resize(minimumSizeHint()); // as small as shows everything
    startFolder_ = imagePage_->browser().folders()->path();
    imagePage_->browser().setStartFolder(startFolder_);
    soundPage_->browser().setStartFolder(startFolder_);
}

MainWindow::~MainWindow() = default;

void MainWindow::addPages() {
    const PageContext context{*document_, services_.messages, this, [this](bool busy) {
                                  setBusy(busy);
                              }};
    // One line a tab: its caption, its Items menu entry, and its page.
    const struct {
        const char* caption;
        QKeyCombination itemKey;
        const char* itemName;
        std::function<EditorPage*(QWidget* tab)> page;
    } tabs[] = {
        {QT_TR_NOOP("Image"), Qt::CTRL | Qt::Key_I, "imageItem",
         [&](QWidget* tab) {
             return imagePage_ = new ImagePage(tab, context, services_.volumes, services_.dialogs);
         }},
        {QT_TR_NOOP("Sound"), Qt::CTRL | Qt::Key_O, "soundItem",
         [&](QWidget* tab) {
             return soundPage_ = new SoundPage(tab, context, services_.volumes, services_.audio,
                                               services_.dialogs);
         }},
        {QT_TR_NOOP("Ticker"), Qt::CTRL | Qt::Key_T, "tickerItem",
         [&](QWidget* tab) {
             return new TickerPage(tab, context);
         }},
        {QT_TR_NOOP("Color-Font"), Qt::CTRL | Qt::Key_F, "colorFontItem",
         [&](QWidget* tab) {
             return new ColorFontPage(tab, context, services_.dialogs);
         }},
        {QT_TR_NOOP("Margins"), Qt::CTRL | Qt::Key_M, "marginsItem",
         [&](QWidget* tab) {
             return new MarginsPage(tab, context);
         }},
    };
    QMenu* items = menuBar()->findChild<QMenu*>(QStringLiteral("itemsMenu"));
    for (const auto& tab : tabs) {
        auto* widget = new QWidget;
        tabs_->addTab(widget, tr(tab.caption));
        EditorPage* page = tab.page(widget);
        auto* item = new platform::MenuItem(tr(tab.caption), QKeySequence(tab.itemKey), this);
        item->setObjectName(QLatin1String(tab.itemName));
        item->setCheckable(true);
        items->addAction(item);
        const int index = int(pages_.size());
        connect(item, &platform::MenuItem::chosen, tabs_,
                [this, index] { tabs_->setCurrentIndex(index); });
        connect(page, &EditorPage::touched, item, &platform::MenuItem::setTicked);
        pages_.push_back(page);
        items_.push_back(item);
    }
    tabs_->setCurrentIndex(TabImage);
    const auto showCurrent = [this] {
        for (std::size_t i = 0; i < pages_.size(); ++i)
            pages_[i]->setCurrent(int(i) == tabs_->currentIndex());
    };
    connect(tabs_, &QTabWidget::currentChanged, this, showCurrent);
    showCurrent();
}

void MainWindow::connectDocument() {
    // Each page shows its parts of the document again after they change, whichever page
    // changed them (the picture's size, measured on the Image tab, shows on Margins).
    connect(document_, &StationeryDocument::changed, this, [this](StationeryDocument::Parts parts) {
        for (EditorPage* page : pages_)
            if (page->shows() & parts)
                page->load(document_->settings());
    });
    connect(document_, &StationeryDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(document_, &StationeryDocument::pathChanged, this, &MainWindow::showPath);
    connect(document_, &StationeryDocument::replaced, this, &MainWindow::tickWhatTheFileSets);
}

void MainWindow::showStatus(const QString& text) {
    statusMessage_->setText(text);
}

void MainWindow::showPath(const QString& path) {
    setWindowTitle(path + QStringLiteral("[*]")); // "[*]": where the unsaved mark shows
}

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu(tr("File")); // filled once its commands are made
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    new ShortcutsFirst(this);
    addEditMenu(menuBar(), document_->history());
    // The Items menu gets an entry for each tab as the tab is made.
    menuBar()->addMenu(tr("Items"))->setObjectName(QStringLiteral("itemsMenu"));
    auto* about = new platform::MenuItem(tr("&About"), QKeySequence(), this);
    about->setObjectName(QStringLiteral("aboutAction"));
    menuBar()->addAction(about);
    connect(about, &platform::MenuItem::chosen, this, &MainWindow::showAbout);
}

void MainWindow::setBusy(bool busy) {
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

bool MainWindow::openStationery(const QString& path) {
    return files_->open(path);
}

// The Items menu ticks what an opened file or a design sets, as if chosen by hand.
void MainWindow::tickWhatTheFileSets() {
    const StationeryDocument::Parts set = StationeryDocument::partsSet(document_->settings());
    for (std::size_t i = 0; i < items_.size(); ++i)
        items_[i]->setTicked(bool(set & pages_[i]->shows()));
}

// --- Other windows and the end -----------------------------------------------------

void MainWindow::showAbout() {
    if (!about_) {
        about_ = new AboutWindow(this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::exit() {
    if (files_->mayLeaveTheDocument())
        endNow();
}

void MainWindow::endNow() {
    soundPage_->mediaControl()->close();
    services_.endProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    for (const MailDestinationEntry& row : destinations_)
        if (!row.destination->mayQuit())
            return event->ignore();
    if (!files_->mayLeaveTheDocument())
        return event->ignore();
    for (const MailDestinationEntry& row : destinations_)
        row.destination->stop();
    event->accept();
}
