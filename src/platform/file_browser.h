#pragma once

#include <QObject>
#include <QString>

namespace platform {

class DirListBox;
class DriveListBox;
class FileListBox;
class MessageBox;
class VolumeList;

// A drive list, a folder list and a file list, chained: a drive opens its folder, a
// folder lists its files, and choosing a file announces its full path. A drive that
// fails (no disk) is reported and the lists go back to the start folder.
class FileBrowser : public QObject {
    Q_OBJECT
public:
    // The three lists are made inside `frame`; their places are the caller's.
    FileBrowser(const VolumeList& volumes, MessageBox& messages, const QString& pattern,
                QWidget* frame);

    DriveListBox* drives() const { return drives_; }
    DirListBox* folders() const { return folders_; }
    FileListBox* files() const { return files_; }

    // Where the lists go back to after a failure: the folder list's path at start.
    QString startFolder() const { return startFolder_; }
    void setStartFolder(const QString& folder) { startFolder_ = folder; }

    // Takes the folder list back to the start folder (when a chosen file failed).
    void returnToStartFolder();
    // Opens the lists at the folder of `file` and shows it chosen, announcing nothing.
    void showFile(const QString& file);
    // The same, unless the lists show it chosen already.
    void follow(const QString& file);

signals:
    void fileChosen(const QString& path);
    // A drive could not be opened; the lists are back at the start folder.
    void driveFailed();

private:
    // The lists' own events, as they raise them.
    void driveChanged();
    void folderChanged();
    void fileClicked();

    MessageBox& messages_;
    DriveListBox* drives_;
    DirListBox* folders_;
    FileListBox* files_;
    QString startFolder_;
};

} // namespace platform
