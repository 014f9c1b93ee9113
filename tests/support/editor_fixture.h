#pragma once

#include "busy_pointer.h"
#include "doubles/fixed_volumes.h"
#include "doubles/recording_audio_device.h"
#include "doubles/recording_mail_client.h"
#include "doubles/recording_message_box.h"
#include "doubles/recording_url_opener.h"
#include "doubles/scripted_dialogs.h"
#include "editor/main_window.h"
#include "editor/stationery_document.h"
#include "mail_account/loaded_mail_service.h"
#include "qt_printers.h"

#include "platform/image_box.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// An editor window with stand-ins for every service: dialogs answered from a script,
// messages recorded, a fixed drive list and an audio device that only records.
class EditorTest : public ::testing::Test {
protected:
    EditorTest() : volumes(platform::testVolumes()) {}

    void SetUp() override { form = makeForm(); }

    std::unique_ptr<MainWindow> makeForm() {
        return std::make_unique<MainWindow>(MainWindowServices{
            dialogs, messages, volumes, audio, browser, mailClient, mailAccount, [this] {
                ++programEnds;
            }});
    }

    // A control of the window, found by its name as tools and screen readers find it.
    template <typename T> T* control(const char* name) const {
        T* found = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }

    // Chooses the menu entry of that name, as a click or its shortcut would.
    void trigger(const char* name) const {
        QAction* entry = form->findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(entry, nullptr) << "no menu entry named " << name;
        entry->trigger();
    }

    // The title as the window system shows it: "[*]" becomes the unsaved mark, or
    // nothing.
    QString shownTitle() const {
        QString title = form->windowTitle();
        return title.replace(QStringLiteral("[*]"),
                             form->isWindowModified() ? QStringLiteral("*") : QString());
    }

    // Waits for the chosen picture's preview, decoded off the window's thread.
    bool previewShown() const {
        return QTest::qWaitFor([this] {
            return !form->findChild<platform::ImageBox*>(QStringLiteral("picturePreview"))
                        ->picture()
                        .isNull();
        });
    }

    // The drive list's entry for the drive that holds `path`.
    QString driveHolding(const QString& path) const {
        return QDir::toNativeSeparators(
            volumes.volumeHolding(path).value_or(platform::Volume{}).root);
    }

    // A fresh folder for files the test makes; removed at the end.
    QString scratchPath(const QString& name) const { return scratch.filePath(name); }

    platform::ScriptedDialogs dialogs;
    platform::RecordingMessageBox messages;
    platform::FixedVolumeList volumes;
    platform::RecordingAudioDevice audio;
    // The mail module as the program loads it, from beside the program in the build.
    mail_account::LoadedMailService mailAccount{QStringLiteral("stationery-mail"),
                                                {QStringLiteral(STATIONERY_PROGRAM_FOLDER)}};
    platform::RecordingUrlOpener browser;
    platform::RecordingMailClient mailClient;
    int programEnds = 0;
    QTemporaryDir scratch;
    std::unique_ptr<MainWindow> form;
};
