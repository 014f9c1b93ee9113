#pragma once

#include <QIODevice>

namespace platform {

// Decoders fill a picture whose end is missing with grey instead of failing, so
// these walk a file's structure to tell a whole picture from a cut-off one. Each
// reads the device once, from the start, sequentially. What follows the end of the
// picture (a phone's video, a maker's trailer, padding) is ignored.

// The marker segments from start-of-image, with the entropy-coded data after each
// start-of-scan, reach an end-of-image marker.
bool jpegIsWhole(QIODevice& device);
// The blocks from the header (screen descriptor, colour tables, extensions and images
// with their sub-blocks) reach the trailer.
bool gifIsWhole(QIODevice& device);
// The chunks from the signature reach the IEND chunk.
bool pngIsWhole(QIODevice& device);
// An uncompressed BMP holds every row its header promises.
bool bmpIsWhole(QIODevice& device);

} // namespace platform
