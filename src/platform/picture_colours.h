#pragma once

#include "stationery/check.h"

#include <QImage>

namespace platform {

// The average colour of a picture and the colours of its darkest and lightest tenth,
// from an image already decoded (the preview), so nothing is read again.
stationery::PictureColours pictureColours(const QImage& image);

} // namespace platform
