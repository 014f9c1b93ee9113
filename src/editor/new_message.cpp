#include "editor/new_message.h"

#include "editor/stationery_name.h"
#include "platform/mail_client.h"
#include "platform/message_box.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

NewMessageCommand::NewMessageCommand(Services services, QString folder)
    : QObject(services.window), services_(std::move(services)), folder_(std::move(folder)) {
    removeOldMessages(folder_);
}

void NewMessageCommand::removeOldMessages(const QString& folder) {
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.eml"), QStringLiteral("*.eml.log")},
                                   QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files)
        if (file.isFile() && !file.isSymLink() && file.lastModified() < dayAgo &&
            file.ownerId() == QFileInfo(folder).ownerId())
            QFile::remove(file.filePath());
}

void NewMessageCommand::run() {
    // Private: a message may carry a picture the user would not publish.
    if (!QDir().mkpath(folder_) ||
        !QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner)) {
        services_.messages.exclamation(
            services_.window,
            tr("The message could not be written: the folder %1 could not be made.").arg(folder_),
            tr("No New Message"));
        return;
    }
    const QString message =
        QDir(folder_).filePath(stationeryName(services_.document) + QStringLiteral(".eml"));
    if (!services_.writeTemplate(message))
        return;
    services_.showStatus(tr("Starting the mail client…"));
    QPointer<NewMessageCommand> self(this);
    services_.mailClient.open(
        message,
        [self](const QString& client) {
            if (self)
                self->services_.showStatus(
                    tr("The stationery is open as a new message in %1: address it and send it.")
                        .arg(client));
        },
        [self](QString reason) {
            if (!self)
                return;
            while (reason.endsWith(QLatin1Char('.')))
                reason.chop(1);
            self->services_.showStatus(QString());
            const bool saveElsewhere = self->services_.messages.askYesNo(
                self->services_.window,
                tr("No mail client opened the message: %1.\n\nSave the message template "
                   "somewhere else, to open it from your mail client or attach it yourself?")
                    .arg(reason),
                tr("No Mail Client"));
            if (saveElsewhere)
                self->services_.exportElsewhere();
        });
}
