#pragma once

#include "editor/mail_destination.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class StationeryDocument;
namespace platform {
class MessageBox;
}

// Puts the stationery where Outlook looks for the user's own: the page for today's mail
// clients and its picture, in the personal stationery folder, which Outlook's
// Signatures and Stationery dialog lists under Personal Stationery. A file already there
// under the name is never written over: the page takes the next free name.
class OutlookStationeryCommand : public QObject, public MailDestination {
    Q_OBJECT
public:
    struct Services {
        const StationeryDocument& document;
        platform::MessageBox& messages;
        QWidget* window;
        // Exports the page for today's mail clients to a path; false when it failed (and
        // said so).
        std::function<bool(const QString& path)> exportPage;
        std::function<void(const QString& text)> showStatus;
    };
    // `folder`: the personal stationery folder, made when missing.
    OutlookStationeryCommand(Services services, QString folder, QObject* parent = nullptr);

    // %APPDATA%\Microsoft\Stationery, where Outlook keeps its user's stationery.
    static QString personalStationeryFolder();

    void run() override;

private:
    Services services_;
    QString folder_;
};
