#pragma once

#include <QString>

// What a file dropped onto the window is for: by its name, else by its first bytes.
enum class DroppedKind { Stationery, Picture, Sound, Other };
DroppedKind droppedKindOf(const QString& path);
