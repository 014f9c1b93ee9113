#pragma once

#include <QObject>
#include <QString>

#include <functional>

// What a file dropped onto the window is for: by its name, else by its first bytes. A
// name that is not a regular file (a folder, a pipe, a device) or is gone is told
// apart before anything is opened, so a pipe never holds the window.
enum class DroppedKind { Stationery, Picture, Sound, Other, Missing, NotAFile, Unreadable };

struct DroppedFile {
    DroppedKind kind;
    QString problem; // the system's reason, for Unreadable
};

DroppedFile droppedFileAt(const QString& path);

// Files dropped onto the window: a picture or a sound is chosen as if in its tab's
// lists, a stationery file opens as File > Open would; anything else is named and not
// used. Each is used once the drop has ended, so that a question asked meanwhile does
// not hold the dragging program.
class DroppedFiles : public QObject {
    Q_OBJECT
public:
    struct Uses {
        std::function<void(const QString& path)> openStationery;
        std::function<void(const QString& path)> choosePicture;
        std::function<void(const QString& path)> chooseSound;
        std::function<void(const QString& why)> refuse;
    };
    DroppedFiles(QWidget* window, Uses uses);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void use(const QString& path);

    Uses uses_;
};
