#include "editor/main_menus.h"

#include "editor/check_presenter.h"
#include "editor/design_picker.h"
#include "editor/file_commands.h"
#include "editor/mail_account_command.h"
#include "editor/new_message.h"
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
        {QT_TR_NOOP("New from &Design..."), Qt::CTRL | Qt::Key_N, "newFromDesignAction",
         [c] {
             c.designs->show();
         }},
        {QT_TR_NOOP("&Open..."), Qt::CTRL | Qt::SHIFT | Qt::Key_O, "openAction",
         [c] {
             c.files->openWithDialog();
         }},
        {QT_TR_NOOP("&Save"), Qt::CTRL | Qt::Key_S, "saveAction",
         [c] {
             c.files->saveWithDialog();
         }},
        {QT_TR_NOOP("&Export..."), Qt::CTRL | Qt::Key_E, "exportAction",
         [c] {
             c.files->exportWithDialog();
         }},
        {QT_TR_NOOP("New &Message in Mail Client"), Qt::CTRL | Qt::SHIFT | Qt::Key_M,
         "newMessageAction",
         [c] {
             c.newMessage->run();
         }},
        {QT_TR_NOOP("P&ut in Mail Account..."), Qt::CTRL | Qt::SHIFT | Qt::Key_U,
         "putInMailAccountAction",
         [c] {
             c.mailAccount->run();
         }},
        {QT_TR_NOOP("&Preview in Browser"), QKeyCombination(Qt::Key_F5), "previewAction",
         [c] {
             c.files->preview();
         }},
        {QT_TR_NOOP("&Check..."), Qt::CTRL | Qt::Key_K, "checkAction",
         [c] {
             c.check->show();
         }},
        {QT_TR_NOOP("E&xit"), Qt::CTRL | Qt::Key_X, "exitAction",
         [c] {
             c.exit();
         }},
    };
    for (const auto& command : fileCommands) {
        auto* entry = new platform::MenuItem(tr(command.caption), QKeySequence(command.key), menu);
        entry->setObjectName(QLatin1String(command.name));
        menu->addAction(entry);
        QObject::connect(entry, &platform::MenuItem::chosen, menu, command.command);
        if (command.key == (Qt::CTRL | Qt::Key_X)) // Exit; Ctrl+Q as everywhere else too
            entry->setShortcuts({QKeySequence(command.key), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    }
}

void addEditMenu(QMenuBar* bar, QUndoStack& history) {
    QMenu* menu = bar->addMenu(tr("Edit"));
    menu->setObjectName(QStringLiteral("editMenu"));
    QAction* undo = history.createUndoAction(bar->window(), tr("&Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = history.createRedoAction(bar->window(), tr("&Redo"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu->addActions({undo, redo});
}
