#pragma once

#include <QIcon>

// The program's icon for its windows' title bars and the task bar, at 16 to 64
// pixels. It is drawn at build time: drawing it when the window is made took longer
// than the rest of the window's first frame.
QIcon programWindowIcon();
