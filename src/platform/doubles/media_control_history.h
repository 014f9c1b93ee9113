#pragma once

#include "platform/media_control.h"

#include <QObject>
#include <QStringList>

namespace platform {

// Everything the program sets on a media control and every command it sends, in order,
// from the moment the history is made.
class MediaControlHistory : public QObject {
public:
    explicit MediaControlHistory(MediaControl& control) : QObject(&control) {
        connect(&control, &MediaControl::propertySet, this,
                [this](const QString& entry) { entries.append(entry); });
    }

    QStringList entries;
};

} // namespace platform
