#pragma once

#include "editor/file_dialogs.h"
#include "editor/mail_destination.h"

#include <QMainWindow>

class QLabel;
class QMenu;
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace mail_account {
class MailService;
}
namespace platform {
class AudioDevice;
class MailClient;
class MenuItem;
class MessageBox;
class UrlOpener;
class VolumeList;
} // namespace platform

class AboutWindow;
class QTabWidget;
class CheckPresenter;
class DesignPicker;
class EditorPage;
class FileCommands;
class ImagePage;
class MailAccountCommand;
class NewMessageCommand;
class SoundPage;
class StationeryDocument;

// What the editor window needs from the machine. main() passes the real services;
// tests pass stand-ins that never block.
struct MainWindowServices {
    platform::DialogPrompter& dialogs;
    platform::MessageBox& messages;
    const platform::VolumeList& volumes;
    platform::AudioDevice& audio;
    platform::UrlOpener& browser;
    platform::MailClient& mailClient;
    mail_account::MailService& mailAccount;
    // Ends the program at once, closing every window without further events.
    std::function<void()> endProgram;
};

// The editor window: the menus and the tabs, one page each, over the document that
// holds the stationery. The File menu's work is FileCommands', each tab's its page's.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int TabImage = 0;
    static constexpr int TabSound = 1;
    static constexpr int TabTicker = 2;
    static constexpr int TabColorFont = 3;
    static constexpr int TabMargins = 4;

    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    StationeryDocument& document() const { return *document_; }
    // Where the file lists start, and go back to after a failure: the folder the
    // program was started in.
    QString startFolder() const { return startFolder_; }

    // Reads the stationery file at `path` and sets every control as if its choices had
    // been made by hand. A file that cannot be read is reported and changes nothing.
    bool openStationery(const QString& path);
    // Ends the program at once, as Exit does but without asking about unsaved changes
    // (the session is ending, or the program was told to end).
    void endNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addPages();
    void buildMenus();
    void connectDocument();
    void setBusy(bool busy);
    void showPath(const QString& path);
    void showStatus(const QString& text);
    void tickWhatTheFileSets();
    void showAbout();
    void exit();

    MainWindowServices services_;
    FileDialogs dialog_;
    QString startFolder_;
    StationeryDocument* document_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    // The tabs' pages in their order, and the Items menu's entry for each.
    std::vector<EditorPage*> pages_;
    std::vector<platform::MenuItem*> items_;
    ImagePage* imagePage_ = nullptr;
    SoundPage* soundPage_ = nullptr;
    CheckPresenter* check_ = nullptr;
    FileCommands* files_ = nullptr;
    NewMessageCommand* newMessage_ = nullptr;
    MailAccountCommand* mailAccount_ = nullptr;
    std::vector<MailDestinationEntry> destinations_;
    DesignPicker* designs_ = nullptr;
    QPointer<AboutWindow> about_;
    QLabel* statusMessage_ = nullptr;
    QMenu* fileMenu_ = nullptr;
};
