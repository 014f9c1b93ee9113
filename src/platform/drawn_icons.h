#pragma once

#include <QIcon>

namespace platform {

// Small icons drawn in code. The style's own icons come from the desktop's icon theme,
// and the first lookup walks its folders: 4 to 12 ms at start-up, longer than the
// rest of the window takes to build.
enum class DrawnIcon { OpenFolder, ClosedFolder, Play, Pause, Stop };

QIcon drawnIcon(DrawnIcon icon);

} // namespace platform
