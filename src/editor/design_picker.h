#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "dialogs/designs_window.h"

struct Design;
class StationeryDocument;
class QWidget;
namespace platform {
class MessageBox;
}

// File > New from Design: shows the designs and applies the chosen one as if each
// part had been chosen by hand. Its picture is written once, when first used, into
// the program's data folder, where a saved stationery still finds it later.
class DesignPicker : public QObject {
    Q_OBJECT
public:
    struct Services {
        StationeryDocument& document;
        platform::MessageBox& messages;
        QWidget* window;
        // Asks about unsaved changes before a design starts a new stationery.
        std::function<bool()> mayLeaveTheDocument;
    };
    DesignPicker(Services services, QString pictureFolder);

    void show();
    void apply(const Design& design);
    DesignsWindow* window() const { return window_; }

    // The design's picture in `folder`: a file with the same bytes is used as it is, and
    // a different file of the same name is never overwritten. Throws FileWriteError.
    static QString placedPicture(const Design& design, const QString& folder);

private:
    Services services_;
    QString pictureFolder_;
    QPointer<DesignsWindow> window_;
};
