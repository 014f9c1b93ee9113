#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

Twips::Twips(double dotsPerInch)
    : twipsPerPixel_(1440.0 / (dotsPerInch > 0 ? dotsPerInch : 96.0)) {}

Twips Twips::forWidget(const QWidget* widget) {
    const QScreen* screen =
        widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return Twips(screen ? screen->logicalDotsPerInchX() : 96.0);
}

int Twips::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

} // namespace platform
