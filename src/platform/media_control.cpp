#include "platform/media_control.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace platform {

namespace {

constexpr int kAutoEnable = 2;
constexpr int kPlayVisible = 25;
constexpr int kVisible = 52;

QToolButton* transportButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setAutoRaise(false);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

MediaControl::MediaControl(AudioDevice& device, QWidget* parent)
    : QWidget(parent), device_(device),
      play_(transportButton(this, QStyle::SP_MediaPlay, QStringLiteral("Play"))),
      pause_(transportButton(this, QStyle::SP_MediaPause, QStringLiteral("Pause"))),
      stop_(transportButton(this, QStyle::SP_MediaStop, QStringLiteral("Stop"))),
      poll_(new QTimer(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(play_);
    layout->addWidget(pause_);
    layout->addWidget(stop_);
    settings_[kAutoEnable] = true;
    settings_[kPlayVisible] = true;

    connect(play_, &QToolButton::clicked, this, [this] { setCommand(QStringLiteral("Play")); });
    connect(pause_, &QToolButton::clicked, this, [this] { setCommand(QStringLiteral("Pause")); });
    connect(stop_, &QToolButton::clicked, this, [this] { setCommand(QStringLiteral("Stop")); });
    // A sound that ends by itself must give the play button back.
    poll_->setInterval(250);
    connect(poll_, &QTimer::timeout, this, &MediaControl::refreshButtons);
    refreshButtons();
}

MediaControl::~MediaControl() {
    device_.close();
}

void MediaControl::setCommand(const QString& command) {
    command_ = command;
    record(QStringLiteral("Command=") + command);
    if (command == QLatin1String("Open")) {
        problem_ = device_.unavailableReason();
        if (problem_.isEmpty())
            problem_ = device_.open(deviceType_, fileName_);
    } else if (command == QLatin1String("Close")) {
        device_.close();
        problem_.clear();
    } else if (command == QLatin1String("Stop")) {
        device_.stop();
    } else if (command == QLatin1String("Play")) {
        device_.play();
    } else if (command == QLatin1String("Pause")) {
        device_.pause();
    }
    refreshButtons();
}

void MediaControl::setDeviceType(const QString& deviceType) {
    deviceType_ = deviceType;
    record(QStringLiteral("DeviceType=") + deviceType);
}

void MediaControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
    record(QStringLiteral("FileName=") + fileName);
}

bool MediaControl::BooleanSetting(int number) const {
    const auto found = settings_.find(number);
    return found != settings_.end() && found->second;
}

void MediaControl::setBooleanSetting(int number, bool value) {
    settings_[number] = value;
    record(QStringLiteral("Setting%1=%2").arg(number).arg(value ? "true" : "false"));
    if (number == kPlayVisible)
        play_->setVisible(value);
    refreshButtons();
}

void MediaControl::refreshButtons() {
    const AudioDevice::Mode mode = device_.mode();
    const bool follow = BooleanSetting(kAutoEnable);
    play_->setEnabled(!follow || mode == AudioDevice::Mode::Stopped ||
                      mode == AudioDevice::Mode::Paused);
    pause_->setEnabled(!follow || mode == AudioDevice::Mode::Playing);
    stop_->setEnabled(!follow || mode == AudioDevice::Mode::Playing ||
                      mode == AudioDevice::Mode::Paused);

    QString tip = problem_;
    if (tip.isEmpty())
        tip = device_.unavailableReason();
    setToolTip(tip);
    play_->setToolTip(tip.isEmpty() ? QStringLiteral("Play") : tip);

    if (mode == AudioDevice::Mode::Playing)
        poll_->start();
    else
        poll_->stop();
}

void MediaControl::record(const QString& entry) {
    history_.append(entry);
}

} // namespace platform
