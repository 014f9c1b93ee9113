#pragma once

#include "editor/mail_destination.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class StationeryDocument;
namespace platform {
class MailClient;
class MessageBox;
} // namespace platform

// File > New Message in Mail Client: the message template, the same bytes Export
// writes, goes into a folder of the program's own and is handed to the desktop's mail
// client, which opens it as a new message. The file outlives the program, since the
// client may read it later; the next start removes the program's own ones a day old.
// When no client opens it, the reason is shown and the template offered for saving
// where the user chooses.
class NewMessageCommand : public QObject, public MailDestination {
    Q_OBJECT
public:
    struct Services {
        StationeryDocument& document;
        platform::MailClient& mailClient;
        platform::MessageBox& messages;
        QWidget* window;
        // Writes the export, saying why when it cannot; false then.
        std::function<bool(const QString& path)> writeTemplate;
        // Offers the Export dialog, which starts on the message template.
        std::function<void()> exportElsewhere;
        std::function<void(const QString& text)> showStatus;
    };
    NewMessageCommand(Services services, QString folder);

    void run() override;

    // Removes the messages this command left in `folder` a day ago or earlier: its own
    // files (*.eml and their .log), nothing else.
    static void removeOldMessages(const QString& folder);

private:
    Services services_;
    QString folder_;
};
