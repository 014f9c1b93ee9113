#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn in code so that nothing has to be shipped or fetched.
namespace artwork {

enum class Arrow { Up, Left, Down, Right, None };

// An arrow for a scroll direction, or a "no scroll" sign, filling `size`.
QPixmap directionArrow(Arrow arrow, QSize size);
// A sheet of stationery with a folded corner, at the usual icon sizes.
QIcon programIcon();
QPixmap programPicture(int side);
// The About window's picture: 152 x 190 pixels.
QPixmap aboutPicture();

} // namespace artwork
