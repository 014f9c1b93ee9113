#pragma once

#include <QIcon>

namespace platform {

// Small icons drawn in code, each size when first painted. The style's own icons
// come from the desktop's icon theme or from pictures that wake the picture decoders:
// 2 to 12 ms at start-up, longer than the rest of the window takes to build.
// MoreToTheRight and MoreBelow mark a menu bar's or a tool bar's hidden entries.
enum class DrawnIcon { OpenFolder, ClosedFolder, Play, Pause, Stop, MoreToTheRight, MoreBelow };

QIcon drawnIcon(DrawnIcon icon);

} // namespace platform
