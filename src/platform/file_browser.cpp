#include "platform/file_browser.h"

#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/message_box.h"
#include "platform/platform_error.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

FileBrowser::FileBrowser(const VolumeList& volumes, MessageBox& messages, const QString& pattern,
                         QWidget* frame)
    : QObject(frame), messages_(messages), drives_(new DriveListBox(volumes, frame)),
      folders_(new DirListBox(volumes, frame)), files_(new FileListBox(pattern, frame)) {
    files_->setPath(folders_->path());
    connect(drives_, &DriveListBox::changed, this, &FileBrowser::driveChanged);
    connect(folders_, &DirListBox::changed, this, &FileBrowser::folderChanged);
    connect(files_, &FileListBox::fileClicked, this, &FileBrowser::fileClicked);
}

void FileBrowser::driveChanged() {
    try {
        folders_->setPath(drives_->drive());
    } catch (const PlatformError& error) {
        if (error.failure() == Failure::DeviceUnavailable)
            messages_.exclamation(folders_->window(),
                                  tr("Device Not Avaible... Put a Disk in and Try again"),
                                  tr("No Disk"));
        try {
            folders_->setPath(startFolder_);
            drives_->setDrive(
                startFolder_); // raises the drive change once more, for the start drive
        } catch (const PlatformError&) {
            // The start folder itself has gone; the lists stay where they are.
        }
        emit driveFailed();
    }
}

void FileBrowser::folderChanged() {
    files_->setPath(folders_->path());
}

void FileBrowser::fileClicked() {
    QString folder = folders_->path();
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    emit fileChosen(folder + files_->fileName());
}

void FileBrowser::returnToStartFolder() {
    try {
        folders_->setPath(startFolder_);
    } catch (const PlatformError&) {
        // The start folder itself has gone; the lists stay where they are.
    }
}

void FileBrowser::follow(const QString& file) {
    const QFileInfo info(file);
    if (QFileInfo(folders_->path()) == QFileInfo(info.absolutePath()) &&
        files_->fileName() == info.fileName())
        return;
    showFile(file);
}

void FileBrowser::showFile(const QString& file) {
    const QFileInfo info(file);
    try {
        drives_->setDrive(info.absolutePath());
        folders_->setPath(info.absolutePath());
    } catch (const PlatformError&) {
        // The lists stay where they are; the file is still the chosen one.
    }
    files_->showChosen(info.fileName());
}

} // namespace platform
