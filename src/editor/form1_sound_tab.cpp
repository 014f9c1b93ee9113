#include "editor/form1.h"
#include "editor/paths.h"

#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/label.h"
#include "platform/media_control.h"
#include "platform/menu_item.h"
#include "platform/message_box.h"
#include "platform/runtime_error.h"

#include <QDir>
#include <QGroupBox>

void Form1::buildSoundTab(QWidget* page) {
    Frame2 = new QGroupBox(tr("Sounds"), page);
    placeOnPage(Frame2, 240, 600, 5892, 2412);
    Drive2 = new platform::DriveListBox(services_.volumes, Frame2);
    place(Drive2, 240, 480, 2292, 288);
    Dir2 = new platform::DirListBox(services_.volumes, Frame2);
    place(Dir2, 240, 960, 2292, 1368);
    File2 = new platform::FileListBox(QStringLiteral("*.mid;*.wav;*.mp3"), Frame2);
    place(File2, 2760, 480, 1932, 1800);
    File2->setPath(Dir2->Path());
    Check2 = new platform::CheckBox(tr("Outlook Express 4"), Frame2);
    place(Check2, 4800, 360, 972, 732);
    Check1 = new platform::CheckBox(tr("No Sound"), Frame2);
    place(Check1, 4800, 1200, 972, 432);

    Label14 = new platform::Label(QStringLiteral("null"), page);
    placeOnPage(Label14, 240, 3360, 1932, 372);
    Label14->hide();

    MMControl1 = new platform::MediaControl(services_.audio, centralWidget());
    place(MMControl1, 0, 3000, 1224, 492);

    connect(Drive2, &platform::DriveListBox::Change, this, &Form1::Form1_Drive2_Change);
    connect(Dir2, &platform::DirListBox::Change, this, &Form1::Form1_Dir2_Change);
    connect(File2, &platform::FileListBox::Click, this, &Form1::Form1_File2_Click);
    connect(Check1, &platform::CheckBox::Click, this, &Form1::Form1_Check1_Click);
}

void Form1::Form1_File2_Click() {
    chooseSound(joinFolderAndFile(Dir2->Path(), File2->FileName()));
}

void Form1::chooseSound(const QString& path) {
    MMControl1->setCommand(platform::MediaControl::StopCommand);
    setMousePointer(PointerHourglass);
    Label14->setCaption(path);
    if (Check1->Value() == 1)
        Check1->setValue(0); // runs Form1_Check1_Click, which finds a sound chosen
    mnuSound->setChecked(true);

    QStringView deviceType;
    if (path.endsWith(QLatin1String("mid"), Qt::CaseSensitive))
        deviceType = platform::MediaControl::SequencerDevice;
    else if (path.endsWith(QLatin1String("wav"), Qt::CaseSensitive))
        deviceType = platform::MediaControl::WaveAudioDevice;

    MMControl1->setCommand(platform::MediaControl::CloseCommand);
    MMControl1->setDeviceType(deviceType);
    MMControl1->setBooleanSetting(platform::MediaControl::AutoEnable, true);
    MMControl1->setBooleanSetting(platform::MediaControl::Shareable, false);
    MMControl1->setBooleanSetting(platform::MediaControl::PlayVisible, true);
    MMControl1->setBooleanSetting(platform::MediaControl::RecordVisible, false);
    MMControl1->setFileName(path);
    MMControl1->setBooleanSetting(platform::MediaControl::Visible, true);
    MMControl1->setCommand(platform::MediaControl::OpenCommand);
    setMousePointer(PointerDefault);
}

void Form1::Form1_Check1_Click() {
    if (Check1->Value() == 1) {
        MMControl1->setCommand(platform::MediaControl::StopCommand);
        MMControl1->setCommand(platform::MediaControl::CloseCommand);
        mnuSound->setChecked(true);
    }
    if (Check1->Value() == 0 && Label14->Caption() == QLatin1String("null"))
        mnuSound->setChecked(false);
}

void Form1::Form1_Dir2_Change() {
    File2->setPath(Dir2->Path());
}

void Form1::Form1_Drive2_Change() {
    try {
        Dir2->setPath(Drive2->Drive());
    } catch (const platform::RuntimeError& error) {
        recoverFromDriveFailure(error.number(), Dir2, Drive2);
    }
}
