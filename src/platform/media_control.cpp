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
    connect(play_, &QToolButton::clicked, this, [this] {
        device_.play();
        refreshButtons();
    });
    connect(pause_, &QToolButton::clicked, this, [this] {
        device_.pause();
        refreshButtons();
    });
    connect(stop_, &QToolButton::clicked, this, &MediaControl::stop);
    // A sound that ends by itself must give the play button back.
    poll_->setInterval(250);
    connect(poll_, &QTimer::timeout, this, &MediaControl::refreshButtons);
    refreshButtons();
}

MediaControl::~MediaControl() {
    device_.close();
}

void MediaControl::open(const QString& fileName) {
    problem_ = device_.unavailableReason();
    if (problem_.isEmpty())
        problem_ = device_.open(soundKindNamedBy(fileName), fileName);
    refreshButtons();
}

void MediaControl::stop() {
    device_.stop();
    refreshButtons();
}

void MediaControl::close() {
    device_.close();
    problem_.clear();
    refreshButtons();
}

void MediaControl::refreshButtons() {
    const AudioDevice::Mode mode = device_.mode();
    play_->setEnabled(mode == AudioDevice::Mode::Stopped || mode == AudioDevice::Mode::Paused);
    pause_->setEnabled(mode == AudioDevice::Mode::Playing);
    stop_->setEnabled(mode == AudioDevice::Mode::Playing || mode == AudioDevice::Mode::Paused);

    QString tip = problem_;
    if (tip.isEmpty())
        tip = device_.unavailableReason();
    setToolTip(tip);
    play_->setToolTip(tip.isEmpty() ? tr("Play") : tip);

    if (mode == AudioDevice::Mode::Playing)
        poll_->start();
    else
        poll_->stop();
}

} // namespace platform
