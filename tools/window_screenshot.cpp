// Shows the editor with a picture chosen and saves a picture of the window, and with
// CHECK.png one of the Check window for that stationery:
//   window_screenshot OUTPUT.png [TAB [CHECK.png]]
// Run it under a real (or virtual) X server; scripts/screenshot.sh does.
#include "dialogs/artwork.h"
#include "dialogs/check_window.h"
#include "dialogs/designs_window.h"
#include "editor/main_window.h"
#include "editor/program_look.h"
#include "editor/stationery_document.h"
#include "mail_account/loaded_mail_service.h"
#include "platform/audio_device.h"
#include "platform/dialog_prompter.h"
#include "platform/dir_list_box.h"
#include "platform/file_list_box.h"
#include "platform/mail_client.h"
#include "platform/message_box.h"
#include "platform/translations.h"
#include "platform/url_opener.h"
#include "platform/volumes.h"
#include <QLabel>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: window_screenshot OUTPUT.png [TAB [CHECK.png [DESIGNS.png]]]\n");
        return 2;
    }
    QApplication app(argc, argv);
    platform::installTranslations(app);
    applyProgramLook();
    platform::QtDialogPrompter dialogs;
    platform::QtMessageBox messages;
    platform::SystemVolumeList volumes;
    platform::SilentAudioDevice audio;
    platform::DesktopUrlOpener browser;
    platform::DesktopMailClient mailClient;
    mail_account::LoadedMailService mailAccount(QStringLiteral("stationery-mail"),
                                                mail_account::LoadedMailService::usualFolders());
    MainWindow window({dialogs, messages, volumes, audio, browser, mailClient, mailAccount, [] {
                       }});
    window.show();

    // Choose a picture of our own, as a user would through the lists.
    QTemporaryDir folder(QDir::tempPath() + u"/Pictures-XXXXXX"_s);
    artwork::aboutPicture().save(folder.filePath(u"night sky.bmp"_s), "BMP");
    window.findChild<platform::DirListBox*>(QStringLiteral("pictureFolderList"))
        ->setPath(folder.path());
    window.findChild<platform::FileListBox*>(QStringLiteral("pictureFileList"))->choose(0);

    if (argc > 2)
        window.findChild<QTabWidget*>(QStringLiteral("partTabs"))
            ->setCurrentIndex(QString::fromLocal8Bit(argv[2]).toInt());
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(300);
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG"))
        return 1;
    if (argc > 3) {
        // A stationery with something to say: a ticker, a scrolling picture, pale text.
        window.findChild<QLineEdit*>(QStringLiteral("ticker1Edit"))
            ->setText(QStringLiteral("Greetings from the club"));
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("scrollUpButton")),
                          Qt::LeftButton);
        window.document().edit(StationeryDocument::Edit::TextColor,
                               [](stationery::StationerySettings& s) {
                                   s.textColor = stationery::Rgb{192, 192, 192};
                               });
        window.findChild<QAction*>(QStringLiteral("checkAction"))->trigger();
        CheckWindow* check = window.findChild<CheckWindow*>();
        if (!QTest::qWaitForWindowExposed(check))
            return 1;
        QTest::qWait(300);
        if (!check->grab().save(QString::fromLocal8Bit(argv[3]), "PNG"))
            return 1;
        check->close();
    }
    if (argc > 4) {
        window.findChild<QAction*>(QStringLiteral("newFromDesignAction"))->trigger();
        auto* designs = window.findChild<DesignsWindow*>();
        if (!QTest::qWaitForWindowExposed(designs))
            return 1;
        QTest::qWait(300);
        return designs->grab().save(QString::fromLocal8Bit(argv[4]), "PNG") ? 0 : 1;
    }
    return 0;
}
