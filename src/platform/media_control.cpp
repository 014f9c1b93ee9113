#include "platform/media_control.h"

#include "platform/drawn_icons.h"

#include <QHBoxLayout>
#include <QTimer>
#include <QToolButton>

namespace platform {

namespace {

QToolButton* transportButton(QWidget* parent, DrawnIcon icon, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setIcon(drawnIcon(icon));
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setAutoRaise(false);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

MediaControl::MediaControl(AudioDevice& device, QWidget* parent)
    : QWidget(parent), device_(device), play_(transportButton(this, DrawnIcon::Play, tr("Play"))),
      pause_(transportButton(this, DrawnIcon::Pause, tr("Pause"))),
      stop_(transportButton(this, DrawnIcon::Stop, tr("Stop"))), poll_(new QTimer(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(play_);
    layout->addWidget(pause_);
    layout->addWidget(stop_);
    settings_[AutoEnable] = true;
    settings_[PlayVisible] = true;

    connect(play_, &QToolButton::clicked, this, [this] { setCommand(PlayCommand); });
    connect(pause_, &QToolButton::clicked, this, [this] { setCommand(PauseCommand); });
    connect(stop_, &QToolButton::clicked, this, [this] { setCommand(StopCommand); });
    // A sound that ends by itself must give the play button back.
    poll_->setInterval(250);
    connect(poll_, &QTimer::timeout, this, &MediaControl::refreshButtons);
    refreshButtons();
}

MediaControl::~MediaControl() {
    device_.close();
}

void MediaControl::setCommand(QStringView command) {
    command_ = command.toString();
    record(QStringLiteral("Command=") + command.toString());
    if (command == OpenCommand) {
        problem_ = device_.unavailableReason();
        if (problem_.isEmpty())
            problem_ = device_.open(deviceType_, fileName_);
    } else if (command == CloseCommand) {
        device_.close();
        problem_.clear();
    } else if (command == StopCommand) {
        device_.stop();
    } else if (command == PlayCommand) {
        device_.play();
    } else if (command == PauseCommand) {
        device_.pause();
    }
    refreshButtons();
}

void MediaControl::setDeviceType(QStringView deviceType) {
    deviceType_ = deviceType.toString();
    record(QStringLiteral("DeviceType=") + deviceType_);
}

void MediaControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
    record(QStringLiteral("FileName=") + fileName);
}

bool MediaControl::BooleanSetting(Setting setting) const {
    const auto found = settings_.find(setting);
    return found != settings_.end() && found->second;
}

void MediaControl::setBooleanSetting(Setting setting, bool value) {
    settings_[setting] = value;
    record(QStringLiteral("Setting%1=%2")
               .arg(int(setting))
               .arg(value ? QLatin1String("true") : QLatin1String("false")));
    if (setting == PlayVisible)
        play_->setVisible(value);
    refreshButtons();
}

void MediaControl::refreshButtons() {
    const AudioDevice::Mode mode = device_.mode();
    const bool follow = BooleanSetting(AutoEnable);
    play_->setEnabled(!follow || mode == AudioDevice::Mode::Stopped ||
                      mode == AudioDevice::Mode::Paused);
    pause_->setEnabled(!follow || mode == AudioDevice::Mode::Playing);
    stop_->setEnabled(!follow || mode == AudioDevice::Mode::Playing ||
                      mode == AudioDevice::Mode::Paused);

    QString tip = problem_;
    if (tip.isEmpty())
        tip = device_.unavailableReason();
    setToolTip(tip);
    play_->setToolTip(tip.isEmpty() ? PlayCommand.toString() : tip);

    if (mode == AudioDevice::Mode::Playing)
        poll_->start();
    else
        poll_->stop();
}

void MediaControl::record(const QString& entry) {
    emit propertySet(entry);
}

} // namespace platform
