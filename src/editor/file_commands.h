#pragma once

#include "editor/file_dialogs.h"
#include "editor/opened_files.h"
#include "stationery/export.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class BrowserPreview;
class QWidget;
class StationeryDocument;
namespace platform {
class MessageBox;
class UrlOpener;
} // namespace platform

// The File menu's commands on the document: the dialogs they ask, the hourglass while
// a file is read or written, the question before unsaved changes would be lost, and
// the messages that say in plain words what went wrong.
class FileCommands : public QObject {
    Q_OBJECT
public:
    struct Services {
        StationeryDocument& document;
        FileDialogs& dialog;
        platform::MessageBox& messages;
        platform::UrlOpener& browser;
        QWidget* window;
        // Shows the busy pointer while a file is read or written.
        std::function<void(bool busy)> setBusy;
        // Says in the window, without a box to close, how a command went.
        std::function<void(const QString& text)> showStatus;
    };
    explicit FileCommands(Services services);

    void openWithDialog();
    // Reads `path` into the document; a file that cannot be read changes nothing.
    bool open(const QString& path);
    // Saves through the dialog; true once written.
    bool saveWithDialog();
    void exportWithDialog();
    // Exports to `path`, asking first before a private file is carried, and says why
    // when it cannot; true once written.
    bool exportTo(const QString& path, stationery::ExportForm form);
    // The message template to send elsewhere, checked as for an export (asking before
    // a private file is carried); nothing, having said why, when it cannot be made.
    std::optional<stationery::StreamedContents>
    messageTemplate(const std::optional<stationery::AccountCopy>& copy = std::nullopt);
    void preview();
    // Asks whether to save unsaved changes first; true when the work may go on.
    bool mayLeaveTheDocument();

private:
    // Runs `work` with the hourglass showing; an error it throws is shown in a
    // message titled `failureTitle`, and false returned.
    bool underHourglass(const QString& failureTitle, const std::function<void()>& work);
    // Asks before a file from a hidden or system folder is carried where others read it.
    bool mayCarry(const QStringList& files);

    Services services_;
    BrowserPreview* browserPreview_;
    QString lastExportFolder_;
};
