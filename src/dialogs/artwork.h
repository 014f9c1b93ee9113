#pragma once

#include <QPixmap>

// The program's pictures, drawn in code so that nothing has to be shipped or fetched.
namespace artwork {

enum class Arrow { Up, Left, Down, Right, None };

// An arrow for a scroll direction, or a "no scroll" sign, filling `size`.
QPixmap directionArrow(Arrow arrow, QSize size);
// The program's icon: a sheet of stationery with a folded corner, `side` pixels square.
QPixmap programPicture(int side);
// The About window's picture: 152 x 190 pixels.
QPixmap aboutPicture();

} // namespace artwork
