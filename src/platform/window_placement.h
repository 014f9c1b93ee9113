#pragma once

#include <QRect>

namespace platform {

// Where a helper window of `size` goes so that it stands beside `owner` without
// covering it, inside `screen`: to the right, else the left, else below, else above,
// moved along that side to stay on the screen. Where no side has room for the whole
// window, it takes the side with the most room and is made smaller to fit there.
QRect besideWithoutCovering(const QRect& owner, const QRect& screen, QSize size);

} // namespace platform
