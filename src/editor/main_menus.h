#pragma once

#include <QString>

#include <functional>

class CheckPresenter;
class DesignPicker;
class FileCommands;
class MailAccountCommand;
class NewMessageCommand;
class QMenu;
class QMenuBar;
class QUndoStack;

// What the File menu's entries do.
struct FileMenuCommands {
    FileCommands* files;
    NewMessageCommand* newMessage;
    MailAccountCommand* mailAccount;
    DesignPicker* designs;
    CheckPresenter* check;
    std::function<void()> exit;
};

// The File menu's entries, one line each, with their shortcuts.
void fillFileMenu(QMenu* menu, const FileMenuCommands& c);

// Edit › Undo and Redo of `history`, named after the step ("Undo Change Picture").
// They act in the text fields too: typing is a step of the same history.
void addEditMenu(QMenuBar* bar, QUndoStack& history);
