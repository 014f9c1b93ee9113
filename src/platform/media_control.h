#pragma once

#include "platform/audio_device.h"

#include <QWidget>

class QLabel;
class QTimer;
class QToolButton;

namespace platform {

// Plays one sound file with its own play, pause and stop buttons, which enable
// themselves as the device allows; a file that cannot be played says why in the
// control's tooltip.
class MediaControl : public QWidget {
    Q_OBJECT
public:
    explicit MediaControl(AudioDevice& device, QWidget* parent = nullptr);
    ~MediaControl() override;

    // Opens `fileName` for listening, the kind its name says it is; any sound open
    // before is closed first.
    void open(const QString& fileName);
    void stop();
    // Ends any sound at once and releases the file.
    void close();

    QToolButton* playButton() const { return play_; }
    QToolButton* pauseButton() const { return pause_; }
    QToolButton* stopButton() const { return stop_; }

    // Looks at the device again and enables the buttons to match.
    void refreshButtons();

private:
    AudioDevice& device_;
    QString problem_;
    QToolButton* play_;
    QToolButton* pause_;
    QToolButton* stop_;
    QTimer* poll_;
};

} // namespace platform
