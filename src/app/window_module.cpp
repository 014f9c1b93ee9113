// The window module: the editor and its services, loaded by the program when it opens
// a window.
#include "app/command_line.h"
#include "app/loaded_modules.h"
#include "app/program_modules.h"
#include "editor/main_window.h"
#include "editor/program_look.h"
#include "mail_account/loaded_mail_service.h"
#include "platform/dialog_prompter.h"
#include "platform/loaded_audio_device.h"
#include "platform/mail_client.h"
#include "platform/message_box.h"
#include "platform/termination_signals.h"
#include "platform/translations.h"
#include "platform/url_opener.h"
#include "platform/volumes.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT int stationeryRunWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::installTranslations(app);
    applyProgramLook();

    platform::QtDialogPrompter dialogs;
    platform::QtMessageBox messages;
    platform::SystemVolumeList volumes;
    const QStringList modules = program_modules::moduleFolders();
    platform::LoadedAudioDevice audio(QStringLiteral("stationery-audio"), modules);
    platform::DesktopUrlOpener browser;
    platform::DesktopMailClient mailClient;
    mail_account::LoadedMailService mailAccount(QStringLiteral("stationery-mail"), modules);

    MainWindow window({dialogs, messages, volumes, audio, browser, mailClient, mailAccount, [] {
                           QCoreApplication::exit(0);
                       }});
    // Ended from outside (logout, kill, Ctrl+C, the terminal closing): end as Exit does,
    // media device closed, without asking about unsaved changes: nobody may be there.
    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::requested, &window,
                     &MainWindow::endNow);
    window.show();
    // "stationery-editor FILE" opens FILE, as File > Open would.
    // It is opened once the event loop runs, so that a signal ending the program while
    // a message about the file is up ends it, rather than only closing the message.
    if (const QString file = command_line::fileToOpen(QApplication::arguments()); !file.isEmpty())
        QMetaObject::invokeMethod(
            &window, [&window, file] { window.openStationery(file); }, Qt::QueuedConnection);
    return app.exec();
}

// The export has the type the program calls it by.
static_assert(std::is_same_v<decltype(&stationeryRunWindow), program_modules::RunWindow>);
