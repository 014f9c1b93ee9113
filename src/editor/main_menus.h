#pragma once

#include <QString>

#include <functional>

#include "editor/mail_destination.h"

#include <vector>

class CheckPresenter;
class DesignPicker;
class FileCommands;
class QMenu;
class QMenuBar;
class QUndoStack;

// What the File menu's entries do.
struct FileMenuCommands {
    FileCommands* files;
    std::vector<MailDestinationEntry> destinations; // after Export, in this order
    DesignPicker* designs;
    CheckPresenter* check;
    std::function<void()> exit;
};

// The File menu's entries, one line each, with their shortcuts.
void fillFileMenu(QMenu* menu, const FileMenuCommands& c);

// Edit › Undo and Redo of `history`, named after the step ("Undo Change Picture").
// They act in the text fields too: typing is a step of the same history.
void addEditMenu(QMenuBar* bar, QUndoStack& history);
