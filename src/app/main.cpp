#include "editor/form1.h"
#include "editor/program_look.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"
#include "platform/sdl_audio_device.h"
#include "platform/volumes.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("stationery-editor"));
    applyProgramLook();

    platform::QtDialogPrompter dialogs;
    platform::QtMessageBox messages;
    platform::SystemVolumeList volumes;
    platform::SdlAudioDevice audio;

    Form1 window({dialogs, messages, volumes, audio, [] {
                      QCoreApplication::exit(0);
                  }});
    window.show();
    return app.exec();
}
