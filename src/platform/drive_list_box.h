#pragma once

#include "platform/volumes.h"

#include <QComboBox>

namespace platform {

// Lists the machine's drives. Changing the selection, by the user or in code,
// raises Change at once.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    DriveListBox(const VolumeList& volumes, QWidget* parent = nullptr);

    // The root of the selected drive.
    QString drive() const;
    // Selects the drive that holds `path` (a root such as "/" or any path on it).
    // Throws PlatformError DeviceUnavailable when no drive holds it.
    void setDrive(const QString& path);

    // Reads the drive list again, keeping the selection.
    void refresh();

signals:
    void changed();

protected:
    void showPopup() override;

private:
    const VolumeList& volumes_;
};

} // namespace platform
