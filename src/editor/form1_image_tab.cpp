#include "editor/form1.h"

#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/runtime_error.h"

#include <QGroupBox>

void Form1::buildImageTab(QWidget* page) {
    Frame1 = new QGroupBox(QStringLiteral("Images"), page);
    placeOnPage(Frame1, 120, 480, 3720, 2772);
    Drive1 = new platform::DriveListBox(services_.volumes, Frame1);
    place(Drive1, 120, 300, 1800, 288);
    Dir1 = new platform::DirListBox(services_.volumes, Frame1);
    place(Dir1, 120, 660, 1800, 1980);
    File1 = new platform::FileListBox(QStringLiteral("*.jpg;*.gif;*.bmp"), Frame1);
    place(File1, 2040, 300, 1560, 2340);
    File1->setPath(Dir1->Path());

    Image1 = new platform::ImageBox(centralWidget());
    Image1->setStretch(true);
    place(Image1, 3960, 720, 2100, 3000);
    Image2 = new platform::ImageBox(page);
    Image2->hide();

    Label10 = new platform::Label(QStringLiteral("Label10"), page);
    Label11 = new platform::Label(QStringLiteral("Label11"), page);
    Label12 = new platform::Label(QStringLiteral("Label12"), page);
    for (platform::Label* holder : {Label10, Label11, Label12})
        holder->hide();

    connect(Drive1, &platform::DriveListBox::Change, this, &Form1::Form1_Drive1_Change);
    connect(Dir1, &platform::DirListBox::Change, this, &Form1::Form1_Dir1_Change);
    connect(File1, &platform::FileListBox::Click, this, &Form1::Form1_File1_Click);
    connect(Image1, &platform::ImageBox::Click, this, &Form1::Form1_Image1_Click);
}

void Form1::Form1_Drive1_Change() {
    try {
        Dir1->setPath(Drive1->Drive());
    } catch (const platform::RuntimeError& error) {
        if (error.number() == platform::error::DeviceUnavailable)
            services_.messages.exclamation(
                this, QStringLiteral("Device Not Avaible... Put a Disk in and Try again"),
                QStringLiteral("No Disk"));
        returnImageListsToStartFolder();
        Image1->setPicture(QPixmap());
    }
}

void Form1::returnImageListsToStartFolder() {
    try {
        Dir1->setPath(Tag);
        Drive1->setDrive(Tag); // raises the drive change once more, for the start drive
    } catch (const platform::RuntimeError&) {
        // The start folder itself has gone; the lists stay where they are.
    }
}

void Form1::Form1_Dir1_Change() {
    File1->setPath(Dir1->Path());
}

void Form1::Form1_File1_Click() {}

void Form1::Form1_Image1_Click() {}
