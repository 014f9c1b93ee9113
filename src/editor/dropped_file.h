#pragma once

#include <QString>

// What a file dropped onto the window is for: by its name, else by its first bytes. A
// name that is not a regular file (a folder, a pipe, a device) or is gone is told
// apart before anything is opened, so a pipe never holds the window.
enum class DroppedKind { Stationery, Picture, Sound, Other, Missing, NotAFile, Unreadable };

struct DroppedFile {
    DroppedKind kind;
    QString problem; // the system's reason, for Unreadable
};

DroppedFile droppedFileAt(const QString& path);
