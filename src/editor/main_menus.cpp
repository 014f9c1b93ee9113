#include "editor/main_menus.h"

#include "editor/check_presenter.h"
#include "editor/design_picker.h"
#include "editor/file_commands.h"
#include "platform/menu_item.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

void fillFileMenu(QMenu* menu, const FileMenuCommands& c) {
    const struct {
        const char* caption;
        QKeyCombination key;
        const char* name;
        std::function<void()> command;
    } fileCommands[] = {
        {QT_TRANSLATE_NOOP("MainWindow", "New from &Design..."), Qt::CTRL | Qt::Key_N,
         "newFromDesignAction",
         [c] {
             c.designs->show();
         }},
        {QT_TRANSLATE_NOOP("MainWindow", "&Open..."), Qt::CTRL | Qt::SHIFT | Qt::Key_O,
         "openAction",
         [c] {
             c.files->openWithDialog();
         }},
        {QT_TRANSLATE_NOOP("MainWindow", "&Save"), Qt::CTRL | Qt::Key_S, "saveAction",
         [c] {
             c.files->saveWithDialog();
         }},
        {QT_TRANSLATE_NOOP("MainWindow", "&Export..."), Qt::CTRL | Qt::Key_E, "exportAction",
         [c] {
             c.files->exportWithDialog();
         }},
        {nullptr, {}, nullptr, {}}, // the mail destinations go here
        {QT_TRANSLATE_NOOP("MainWindow", "&Preview in Browser"), QKeyCombination(Qt::Key_F5),
         "previewAction",
         [c] {
             c.files->preview();
         }},
        {QT_TRANSLATE_NOOP("MainWindow", "&Check..."), Qt::CTRL | Qt::Key_K, "checkAction",
         [c] {
             c.check->show();
         }},
        {QT_TRANSLATE_NOOP("MainWindow", "E&xit"), Qt::CTRL | Qt::Key_X, "exitAction",
         [c] {
             c.exit();
         }},
    };
    const auto add = [menu](const char* caption, QKeyCombination key, const char* name,
                            const std::function<void()>& command) {
        auto* entry = new platform::MenuItem(tr(caption), QKeySequence(key), menu);
        entry->setObjectName(QLatin1String(name));
        menu->addAction(entry);
        QObject::connect(entry, &platform::MenuItem::chosen, menu, command);
        return entry;
    };
    for (const auto& command : fileCommands) {
        if (!command.caption) {
            for (const MailDestinationEntry& row : c.destinations)
                add(row.caption, row.key, row.name,
                    [destination = row.destination] { destination->run(); });
            continue;
        }
        auto* entry = add(command.caption, command.key, command.name, command.command);
        if (command.key == (Qt::CTRL | Qt::Key_X)) // Exit; Ctrl+Q as everywhere else too
            entry->setShortcuts({QKeySequence(command.key), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    }
}

void addEditMenu(QMenuBar* bar, QUndoStack& history) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate("MainWindow", "Edit"));
    menu->setObjectName(QStringLiteral("editMenu"));
    QAction* undo =
        history.createUndoAction(bar->window(), QCoreApplication::translate("MainWindow", "&Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo =
        history.createRedoAction(bar->window(), QCoreApplication::translate("MainWindow", "&Redo"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu->addActions({undo, redo});
}
