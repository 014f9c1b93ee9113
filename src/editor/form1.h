#pragma once

#include "platform/common_dialog.h"
#include "platform/mouse_pointer.h"
#include "platform/twips.h"
#include "stationery/settings.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QMenu;

namespace platform {
class AudioDevice;
class MenuItem;
class MessageBox;
class TabControl;
class UrlOpener;
class VolumeList;
} // namespace platform

class CheckPresenter;
class CheckWindow;
class ColorFontPage;
class DesignPicker;
class FileCommands;
class PicturePreviewWindow;
class ImagePage;
class MarginsPage;
class SoundPage;
class StationeryDocument;
class TickerPage;
class TwipsLayout;
class AboutWindow;

// What the editor window needs from the machine. main() passes the real services;
// tests pass stand-ins that never block.
struct Form1Services {
    platform::DialogPrompter& dialogs;
    platform::MessageBox& messages;
    const platform::VolumeList& volumes;
    platform::AudioDevice& audio;
    platform::UrlOpener& browser;
    // Ends the program at once, closing every window without further events.
    std::function<void()> endProgram;
};

// The editor window: the menus, the tab control with its five pages, and the
// handlers the window's design names, each handing its work to the page or the
// document it belongs to. The stationery itself lives in a StationeryDocument.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int TabImage = 0;
    static constexpr int TabSound = 1;
    static constexpr int TabTicker = 2;
    static constexpr int TabColorFont = 3;
    static constexpr int TabMargins = 4;
    static constexpr int PointerDefault = platform::PointerDefault;
    static constexpr int PointerHourglass = platform::PointerHourglass;

    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // The start folder: the image folder list's path when the window loaded.
    QString Tag;
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);

    // The window's outer size, frame included, in twips.
    double outerWidthTwips() const;
    double outerHeightTwips() const;

    StationeryDocument& document() const { return *document_; }

    // Window.
    void Form1_Form_Load();
    void Form1_Form_Resize();
    void Form1_SSTab1_Click(int previousTab);
    // Menus.
    void Form1_mnuNewFromDesign_Click();
    void Form1_mnuOpen_Click();
    void Form1_mnuSave_Click();
    void Form1_mnuExport_Click();
    void Form1_mnuPreview_Click();
    void Form1_mnuCheck_Click();
    void Form1_mnuExit_Click();
    void Form1_mnuAbout_Click();
    void Form1_mnuImage_Click();
    void Form1_mnuSound_Click();
    void Form1_mnuTicker_Click();
    void Form1_mnucolorfont_Click();
    void Form1_mnuMargins_Click();
    // Image tab.
    void Form1_Drive1_Change();
    void Form1_Dir1_Change();
    void Form1_File1_Click();
    void Form1_Image1_Click();
    // Sound tab.
    void Form1_Drive2_Change();
    void Form1_Dir2_Change();
    void Form1_File2_Click();
    void Form1_Check1_Click();
    // Ticker tab.
    void Form1_Text1_Change();
    void Form1_Text2_Change();
    void Form1_Text3_Change();
    // Color-Font tab.
    void Form1_Command1_Click();
    void Form1_Command2_Click();
    void Form1_Command3_Click();
    // Scroll direction buttons on the Margins tab.
    void Form1_Image3_Click();
    void Form1_Image4_Click();
    void Form1_Image5_Click();
    void Form1_Image6_Click();
    void Form1_Image7_Click();

    // Reads the stationery file at `path` and sets every control as if its choices had
    // been made by hand. A file that cannot be read is reported and changes nothing.
    bool openStationery(const QString& path);
    // Ends the program at once, as Exit does but without asking about unsaved changes
    // (the session is ending, or the program was told to end).
    void endNow();

    platform::CommonDialog CommonDialog1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void connectDocument();
    void setOuterSizeTwips(int width, int height);
    void centreMediaControl();
    void showPath(const QString& path);
    void tickWhatTheFileSets();

    Form1Services services_;
    platform::Twips twips_;
    int mousePointer_ = PointerDefault;
    bool resizing_ = false;
    StationeryDocument* document_ = nullptr;
    std::unique_ptr<TwipsLayout> layout_;
    platform::TabControl* SSTab1 = nullptr;
    ImagePage* imagePage_ = nullptr;
    SoundPage* soundPage_ = nullptr;
    TickerPage* tickerPage_ = nullptr;
    ColorFontPage* colorFontPage_ = nullptr;
    MarginsPage* marginsPage_ = nullptr;
    CheckPresenter* check_ = nullptr;
    FileCommands* files_ = nullptr;
    DesignPicker* designs_ = nullptr;
    QPointer<AboutWindow> about_;

    QMenu* mnuFile = nullptr;
    platform::MenuItem* mnuNewFromDesign = nullptr;
    platform::MenuItem* mnuOpen = nullptr;
    platform::MenuItem* mnuSave = nullptr;
    platform::MenuItem* mnuExport = nullptr;
    platform::MenuItem* mnuPreview = nullptr;
    platform::MenuItem* mnuCheck = nullptr;
    platform::MenuItem* mnuExit = nullptr;
    QMenu* mnuItems = nullptr;
    platform::MenuItem* mnuImage = nullptr;
    platform::MenuItem* mnuSound = nullptr;
    platform::MenuItem* mnuTicker = nullptr;
    platform::MenuItem* mnucolorfont = nullptr;
    platform::MenuItem* mnuMargins = nullptr;
    platform::MenuItem* mnuAbout = nullptr;
};
