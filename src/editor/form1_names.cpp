// Every control's name, for tools and tests (objectName), and what a screen reader
// speaks for it (accessible name).
#include "editor/form1.h"

#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/media_control.h"
#include "platform/menu_item.h"
#include "platform/tab_control.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

void Form1::nameControls() {
    const struct {
        QWidget* widget;
        const char* name;
        const char* spoken;
    } controls[] = {
        {SSTab1, "SSTab1", QT_TR_NOOP("Stationery parts")},
        {Frame1, "Frame1", QT_TR_NOOP("Images")},
        {Drive1, "Drive1", QT_TR_NOOP("Picture drive")},
        {Dir1, "Dir1", QT_TR_NOOP("Picture folder")},
        {File1, "File1", QT_TR_NOOP("Picture files")},
        {Image1, "Image1", QT_TR_NOOP("Picture preview")},
        {Image2, "Image2", QT_TR_NOOP("Picture at its own size")},
        {Label10, "Label10", QT_TR_NOOP("Chosen picture")},
        {Label11, "Label11", QT_TR_NOOP("Picture width in twips")},
        {Label12, "Label12", QT_TR_NOOP("Picture height in twips")},
        {Frame2, "Frame2", QT_TR_NOOP("Sounds")},
        {Drive2, "Drive2", QT_TR_NOOP("Sound drive")},
        {Dir2, "Dir2", QT_TR_NOOP("Sound folder")},
        {File2, "File2", QT_TR_NOOP("Sound files")},
        {Check1, "Check1", QT_TR_NOOP("No Sound")},
        {Check2, "Check2", QT_TR_NOOP("Outlook Express 4")},
        {MMControl1, "MMControl1", QT_TR_NOOP("Sound player")},
        {Label14, "Label14", QT_TR_NOOP("Chosen sound")},
        {Label1, "Label1", QT_TR_NOOP("Ticker 1")},
        {Label2, "Label2", QT_TR_NOOP("Ticker 2")},
        {Label3, "Label3", QT_TR_NOOP("Ticker 3")},
        {Text1, "Text1", QT_TR_NOOP("Ticker 1 text")},
        {Text2, "Text2", QT_TR_NOOP("Ticker 2 text")},
        {Text3, "Text3", QT_TR_NOOP("Ticker 3 text")},
        {Command1, "Command1", QT_TR_NOOP("Text colour")},
        {Command2, "Command2", QT_TR_NOOP("Background colour")},
        {Command3, "Command3", QT_TR_NOOP("Font")},
        {Label4, "Label4", QT_TR_NOOP("Author, in the chosen colours and font")},
        {Label5, "Label5", QT_TR_NOOP("Title, in the chosen colours and font")},
        {Text4, "Text4", QT_TR_NOOP("Author")},
        {Text5, "Text5", QT_TR_NOOP("Title")},
        {Label6, "Label6", QT_TR_NOOP("Image Width")},
        {Label7, "Label7", QT_TR_NOOP("Image Height")},
        {Label8, "Label8", QT_TR_NOOP("Text Top Margin")},
        {Label9, "Label9", QT_TR_NOOP("Text Left Margin")},
        {Text6, "Text6", QT_TR_NOOP("Image width in pixels")},
        {Text7, "Text7", QT_TR_NOOP("Image height in pixels")},
        {Text8, "Text8", QT_TR_NOOP("Text top margin in pixels")},
        {Text9, "Text9", QT_TR_NOOP("Text left margin in pixels")},
        {Label13, "Label13", QT_TR_NOOP("Scroll direction")},
        {Image3, "Image3", QT_TR_NOOP("Scroll up")},
        {Image4, "Image4", QT_TR_NOOP("Scroll left")},
        {Image5, "Image5", QT_TR_NOOP("Scroll down")},
        {Image6, "Image6", QT_TR_NOOP("Scroll right")},
        {Image7, "Image7", QT_TR_NOOP("No scroll")},
    };
    for (const auto& control : controls) {
        control.widget->setObjectName(QLatin1String(control.name));
        control.widget->setAccessibleName(tr(control.spoken));
    }
    // The picture-only controls say what they do when pointed at, too (the arrows and
    // the player's buttons carry theirs already).
    Image1->setToolTip(tr("Click to see the picture at its own size"));
    MMControl1->playButton()->setObjectName(QStringLiteral("MMControl1Play"));
    MMControl1->pauseButton()->setObjectName(QStringLiteral("MMControl1Pause"));
    MMControl1->stopButton()->setObjectName(QStringLiteral("MMControl1Stop"));

    const std::pair<QObject*, const char*> menus[] = {
        {mnuFile, "mnuFile"},       {mnuOpen, "mnuOpen"},       {mnuSave, "mnuSave"},
        {mnuExport, "mnuExport"},   {mnuPreview, "mnuPreview"}, {mnuCheck, "mnuCheck"},
        {mnuExit, "mnuExit"},       {mnuItems, "mnuItems"},     {mnuImage, "mnuImage"},
        {mnuSound, "mnuSound"},     {mnuTicker, "mnuTicker"},   {mnucolorfont, "mnucolorfont"},
        {mnuMargins, "mnuMargins"}, {mnuAbout, "mnuAbout"},
    };
    for (const auto& [menu, name] : menus)
        menu->setObjectName(QLatin1String(name));
}
