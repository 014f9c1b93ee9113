#include "platform/drive_list_box.h"

#include "platform/platform_error.h"

#include <QDir>
#include <QSignalBlocker>

namespace platform {

DriveListBox::DriveListBox(const VolumeList& volumes, QWidget* parent)
    : QComboBox(parent), volumes_(volumes) {
    refresh();
    if (const std::optional<Volume> start = volumes_.volumeHolding(QDir::currentPath())) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(findData(start->root));
    }
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::changed);
}

QString DriveListBox::drive() const {
    return QDir::toNativeSeparators(currentData().toString());
}

void DriveListBox::setDrive(const QString& path) {
    const std::optional<Volume> volume = volumes_.volumeHolding(path);
    if (!volume)
        throw PlatformError(Failure::DeviceUnavailable, QStringLiteral("Device unavailable"));
    int index = findData(volume->root);
    if (index < 0) {
        refresh();
        index = findData(volume->root);
    }
    setCurrentIndex(index);
}

void DriveListBox::refresh() {
    const QString selected = currentData().toString();
    const QSignalBlocker quiet(this);
    clear();
    for (const Volume& volume : volumes_.volumes()) {
        const QString root = QDir::toNativeSeparators(volume.root);
        addItem(volume.label.isEmpty()
                    ? root
                    : root + QStringLiteral(" [") + volume.label + QLatin1Char(']'),
                volume.root);
    }
    const int index = findData(selected);
    setCurrentIndex(index >= 0 ? index : 0);
}

void DriveListBox::showPopup() {
    refresh(); // media may have come or gone since the last look
    QComboBox::showPopup();
}

} // namespace platform
