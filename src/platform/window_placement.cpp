#include "platform/window_placement.h"

#include <algorithm>

namespace platform {

namespace {

int clampInto(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length + 1));
}

} // namespace

QRect besideWithoutCovering(const QRect& owner, const QRect& screen, QSize size) {
    const int top = clampInto(owner.top(), size.height(), screen.top(), screen.bottom());
    const int left = clampInto(owner.left(), size.width(), screen.left(), screen.right());
    const QRect sides[] = {
        {QPoint(owner.right() + 1, top), size},
        {QPoint(owner.left() - size.width(), top), size},
        {QPoint(left, owner.bottom() + 1), size},
        {QPoint(left, owner.top() - size.height()), size},
    };
    for (const QRect& side : sides)
        if (screen.contains(side))
            return side;

    // No side holds it whole: the roomiest, with the window cut to the room there.
    const int room[] = {screen.right() - owner.right(), owner.left() - screen.left(),
                        screen.bottom() - owner.bottom(), owner.top() - screen.top()};
    const int widest = std::max(room[0], room[1]);
    const int tallest = std::max(room[2], room[3]);
    if (widest * size.height() >= tallest * size.width()) {
        const QSize cut(std::max(widest, 1), std::min(size.height(), screen.height()));
        const int x = room[0] >= room[1] ? owner.right() + 1 : screen.left();
        return {QPoint(x, clampInto(owner.top(), cut.height(), screen.top(), screen.bottom())),
                cut};
    }
    const QSize cut(std::min(size.width(), screen.width()), std::max(tallest, 1));
    const int y = room[2] >= room[3] ? owner.bottom() + 1 : screen.top();
    return {QPoint(clampInto(owner.left(), cut.width(), screen.left(), screen.right()), y), cut};
}

} // namespace platform
