#pragma once

#include "platform/audio_device.h"

#include <QStringList>
#include <QWidget>

#include <map>

class QLabel;
class QTimer;
class QToolButton;

namespace platform {

// Plays one sound file with its own play, pause and stop buttons. The program sets
// DeviceType and FileName and sends commands ("Open", "Close", "Stop", "Play",
// "Pause"); the buttons enable themselves as the device allows, and a file that
// cannot be played says why in the control's tooltip.
//
// Boolean settings, by number:
//   2  AutoEnable: the buttons follow the device's state (otherwise all stay enabled).
//   24 Shareable: kept for the record; the device is never shared here.
//   25 PlayVisible: the play button is shown.
//   26 RecordVisible: kept for the record; the control has no record button.
//   52 Visible: follows the control's visibility, which the window manages.
class MediaControl : public QWidget {
    Q_OBJECT
public:
    // The Boolean settings the control keeps, by their numbers.
    enum Setting : int {
        AutoEnable = 2,
        Shareable = 24,
        PlayVisible = 25,
        RecordVisible = 26,
        Visible = 52,
    };
    // Commands, and the device types the program asks for.
    static constexpr QStringView OpenCommand = u"Open";
    static constexpr QStringView CloseCommand = u"Close";
    static constexpr QStringView PlayCommand = u"Play";
    static constexpr QStringView PauseCommand = u"Pause";
    static constexpr QStringView StopCommand = u"Stop";
    static constexpr QStringView SequencerDevice = u"Sequencer";
    static constexpr QStringView WaveAudioDevice = u"Waveaudio";

    explicit MediaControl(AudioDevice& device, QWidget* parent = nullptr);
    ~MediaControl() override;

    QString Command() const { return command_; }
    void setCommand(QStringView command);
    QString DeviceType() const { return deviceType_; }
    void setDeviceType(QStringView deviceType);
    QString FileName() const { return fileName_; }
    void setFileName(const QString& fileName);
    bool BooleanSetting(Setting setting) const;
    void setBooleanSetting(Setting setting, bool value);

    // Why the open file cannot be played, or empty.
    QString Problem() const { return problem_; }

    QToolButton* playButton() const { return play_; }
    QToolButton* pauseButton() const { return pause_; }
    QToolButton* stopButton() const { return stop_; }

    // Looks at the device again and enables the buttons to match.
    void refreshButtons();

signals:
    // Each property set and command as it happens ("Command=Open", "Setting25=true").
    void propertySet(const QString& entry);

private:
    void record(const QString& entry);

    AudioDevice& device_;
    QString command_;
    QString deviceType_;
    QString fileName_;
    QString problem_;
    std::map<int, bool> settings_;
    QToolButton* play_;
    QToolButton* pause_;
    QToolButton* stop_;
    QTimer* poll_;
};

} // namespace platform
