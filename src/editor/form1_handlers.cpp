// The handlers the window's design names, each handing its work to the page it
// belongs to (the controls raise the pages' own slots directly).
#include "editor/form1.h"

#include "editor/check_presenter.h"
#include "editor/color_font_page.h"
#include "editor/design_picker.h"
#include "editor/file_commands.h"
#include "editor/image_page.h"
#include "editor/margins_page.h"
#include "editor/sound_page.h"
#include "editor/ticker_page.h"
#include "platform/file_browser.h"
#include "platform/tab_control.h"

// File menu.
void Form1::Form1_mnuNewFromDesign_Click() {
    designs_->show();
}
void Form1::Form1_mnuOpen_Click() {
    files_->openWithDialog();
}
bool Form1::openStationery(const QString& path) {
    return files_->open(path);
}
void Form1::Form1_mnuSave_Click() {
    files_->saveWithDialog();
}
void Form1::Form1_mnuExport_Click() {
    files_->exportWithDialog();
}
void Form1::Form1_mnuPreview_Click() {
    files_->preview();
}
void Form1::Form1_mnuCheck_Click() {
    check_->show();
}

// Items menu: each entry opens its tab.
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

// Image tab.
void Form1::Form1_Drive1_Change() {
    imagePage_->browser().driveChanged();
}
void Form1::Form1_Dir1_Change() {
    imagePage_->browser().folderChanged();
}
void Form1::Form1_File1_Click() {
    imagePage_->browser().fileClicked();
}
void Form1::Form1_Image1_Click() {
    imagePage_->showAtOwnSize();
}

// Sound tab.
void Form1::Form1_Drive2_Change() {
    soundPage_->browser().driveChanged();
}
void Form1::Form1_Dir2_Change() {
    soundPage_->browser().folderChanged();
}
void Form1::Form1_File2_Click() {
    soundPage_->browser().fileClicked();
}
void Form1::Form1_Check1_Click() {
    soundPage_->noSoundClicked();
}

// Ticker tab.
void Form1::Form1_Text1_Change() {
    tickerPage_->textChanged(1);
}
void Form1::Form1_Text2_Change() {
    tickerPage_->textChanged(2);
}
void Form1::Form1_Text3_Change() {
    tickerPage_->textChanged(3);
}

// Color-Font tab.
void Form1::Form1_Command1_Click() {
    colorFontPage_->chooseColor(true);
}
void Form1::Form1_Command2_Click() {
    colorFontPage_->chooseColor(false);
}
void Form1::Form1_Command3_Click() {
    colorFontPage_->chooseFont();
}

// Margins tab: the scroll direction arrows. Up and Down copy the picture's width.
void Form1::Form1_Image3_Click() {
    marginsPage_->chooseScrollDirection(QStringLiteral("Up"), true);
}
void Form1::Form1_Image4_Click() {
    marginsPage_->chooseScrollDirection(QStringLiteral("Left"), false);
}
void Form1::Form1_Image5_Click() {
    marginsPage_->chooseScrollDirection(QStringLiteral("Down"), true);
}
void Form1::Form1_Image6_Click() {
    marginsPage_->chooseScrollDirection(QStringLiteral("Right"), false);
}
void Form1::Form1_Image7_Click() {
    marginsPage_->chooseScrollDirection(QStringLiteral("No Scroll"), false);
}
