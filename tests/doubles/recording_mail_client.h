#pragma once

#include "platform/mail_client.h"

#include <QStringList>

namespace platform {

// Keeps each file instead of opening it; reports `failure` when it is set, else that
// "Recording Mail" opened it.
class RecordingMailClient : public MailClient {
public:
    void open(const QString& file, Opened opened, Failed failed) override {
        files << file;
        if (failure.isEmpty())
            opened(QStringLiteral("Recording Mail"));
        else
            failed(failure);
    }

    QStringList files;
    QString failure;
};

} // namespace platform
