#pragma once

#include "platform/common_dialog.h"
#include "platform/mouse_pointer.h"
#include "platform/twips.h"
#include "stationery/check.h"
#include "stationery/settings.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace platform {
class AudioDevice;
class CheckBox;
class DirListBox;
class DriveListBox;
class FileListBox;
class ImageBox;
class Label;
class MediaControl;
class MenuItem;
class MessageBox;
class TabControl;
class UrlOpener;
class VolumeList;
} // namespace platform

class CheckWindow;
class Form2;
class frmAbout;
class QTemporaryDir;
class QTimer;

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

// The editor window. Every choice the user makes lives in one of its controls; the
// Save command gathers them into a StationerySettings record and writes the file.
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

    // What a save writes right now.
    stationery::StationerySettings settingsFromControls() const;
    // The same, with names relative to the opened file made full paths: the files
    // that Check, Preview and Export use.
    stationery::StationerySettings settingsInUse() const;

    // Window.
    void Form1_Form_Load();
    void Form1_Form_Resize();
    void Form1_SSTab1_Click(int previousTab);
    // Menus.
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

    // Brings the Check window's findings up to date with the controls now.
    void refreshCheck();

    frmAbout* aboutWindow() const;
    CheckWindow* checkWindow() const;
    Form2* previewWindow() const;

    platform::CommonDialog CommonDialog1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The controls, named as their objectName says; tests and tools find them by it.
    platform::TabControl* SSTab1 = nullptr;

    QGroupBox* Frame1 = nullptr;
    platform::DriveListBox* Drive1 = nullptr;
    platform::DirListBox* Dir1 = nullptr;
    platform::FileListBox* File1 = nullptr;
    platform::ImageBox* Image1 = nullptr;
    platform::ImageBox* Image2 = nullptr;
    platform::Label* Label10 = nullptr;
    platform::Label* Label11 = nullptr;
    platform::Label* Label12 = nullptr;

    QGroupBox* Frame2 = nullptr;
    platform::DriveListBox* Drive2 = nullptr;
    platform::DirListBox* Dir2 = nullptr;
    platform::FileListBox* File2 = nullptr;
    platform::CheckBox* Check1 = nullptr;
    platform::CheckBox* Check2 = nullptr;
    platform::MediaControl* MMControl1 = nullptr;
    platform::Label* Label14 = nullptr;

    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Label* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    platform::Label* Label4 = nullptr;
    platform::Label* Label5 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;

    platform::Label* Label6 = nullptr;
    platform::Label* Label7 = nullptr;
    platform::Label* Label8 = nullptr;
    platform::Label* Label9 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    platform::Label* Label13 = nullptr;
    platform::ImageBox* Image3 = nullptr;
    platform::ImageBox* Image4 = nullptr;
    platform::ImageBox* Image5 = nullptr;
    platform::ImageBox* Image6 = nullptr;
    platform::ImageBox* Image7 = nullptr;

    QMenu* mnuFile = nullptr;
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

    void buildMenus();
    void buildImageTab(QWidget* page);
    void buildSoundTab(QWidget* page);
    void buildTickerTab(QWidget* page);
    void buildColorFontTab(QWidget* page);
    void buildMarginsTab(QWidget* page);

    // Positions in twips: on the form, inside a frame, or on a tab page (whose
    // coordinates, as the tab control's, include the row of tabs).
    void place(QWidget* widget, int left, int top, int width, int height) const;
    void placeOnPage(QWidget* widget, int left, int top, int width, int height) const;
    void setLeftTwips(QWidget* widget, double left) const;
    void setTopTwips(QWidget* widget, double top) const;
    double widthTwips(const QWidget* widget) const;
    void setOuterSizeTwips(int width, int height);

    void centreMediaControl();
    void enableSizeAndMarginFields(bool enabled);
    void chooseScrollDirection(const QString& caption, bool copyWidthToLeftMargin);
    void chooseColor(bool textColor);
    // After a drive list failed: says so when the drive has no disk, then takes the
    // folder and drive lists back to the start folder.
    void recoverFromDriveFailure(int errorNumber, platform::DirListBox* dir,
                                 platform::DriveListBox* drive);
    void recoverFromImageFailure(int errorNumber);
    // Shows the picture at `path` in the preview and records it as the chosen one,
    // with its measured size when `measure`. Throws RuntimeError as the loader does.
    void showPicture(const QString& path, bool measure = true);
    void chooseSound(const QString& path);
    void showChosenFont();
    // Sets the controls from an opened file; returns what could not be found or shown.
    struct FilesNotFound {
        QStringList gone;       // no such file
        QStringList unreadable; // there, but not a picture this program can show
    };
    FilesNotFound applySettings(const stationery::StationerySettings& settings);
    // Runs `work` with the hourglass showing; an error it throws is shown in a
    // message titled `failureTitle`, and false returned.
    bool underHourglass(const QString& failureTitle, const std::function<void()>& work);
    void nameControls();
    void connectCheckUpdates();
    void scheduleCheck();
    stationery::CheckFacts checkFacts(const stationery::StationerySettings& settings);

    Form1Services services_;
    platform::Twips twips_;
    int mousePointer_ = PointerDefault;
    bool resizing_ = false;
    QPointer<frmAbout> about_;
    QPointer<Form2> preview_;
    QPointer<CheckWindow> check_;
    QTimer* checkTimer_ = nullptr;
    qint64 previewColoursKey_ = 0;
    stationery::PictureColours previewColours_;
    std::unique_ptr<QTemporaryDir> previewFolder_;
    // The folder of the file last opened: names in it that are not full paths (an
    // exported page names its files so) are relative to it.
    QString documentFolder_;
};
