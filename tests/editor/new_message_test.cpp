// File > New Message in Mail Client, through the real desktop lookup: a stand-in mail
// client is registered for message/rfc822 in throwaway XDG folders and records what it
// is given, or fails as a client without an account might.
#include "editor/new_message.h"
#include "editor_fixture.h"
#include "picture_files.h"
#include "platform/mail_client.h"
#include "scoped_variable.h"
#include "stationery/writer.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

class NewMessageTest : public EditorTest {
protected:
    void writeFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A stand-in client whose program lies in a folder with a space in its name; it
    // writes its arguments to `args`, and fails when `fails`.
    void registerStandIn(const QString& desktop, const QString& fieldCode, bool fails,
                         const QString& programName = u"record-mail"_s) {
        const QString program = scratchPath(u"stand in/"_s + programName);
        writeFile(program,
                  "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + scratchPath(u"args"_s).toUtf8() + "'\n" +
                      (fails ? "echo 'no account is set up yet.' >&2\nexit 3\n" : "") + "exit 0\n");
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        writeFile(scratchPath(u"data/applications/stand-in-mail.desktop"_s),
                  "[Desktop Entry]\nType=Application\nName=Stand-in Mail\nExec=\"" +
                      program.toUtf8() + "\" " + fieldCode.toUtf8() +
                      "\nMimeType=message/rfc822;\n");
        writeFile(scratchPath(u"data/applications/web-browser.desktop"_s),
                  "[Desktop Entry]\nType=Application\nName=Browser\nExec=/bin/false %u\n");
        // The current desktop's own list decides before the common one.
        const QByteArray standIn = "[Default Applications]\nmessage/rfc822=stand-in-mail.desktop\n";
        const QByteArray webBrowser =
            "[Default Applications]\nmessage/rfc822=web-browser.desktop\n";
        const bool gnome = desktop == u"GNOME"_s;
        writeFile(scratchPath(u"config/gnome-mimeapps.list"_s), gnome ? standIn : webBrowser);
        writeFile(scratchPath(u"config/mimeapps.list"_s), gnome ? webBrowser : standIn);
    }

    static QString messagesFolder() {
        return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + u"/messages"_s;
    }

    // The file the stand-in was given, as a local path.
    QString fileGiven() {
        QFile args(scratchPath(u"args"_s));
        if (!args.open(QIODevice::ReadOnly))
            return {};
        const QString given = QString::fromUtf8(args.readAll()).trimmed();
        return given.startsWith(u"file:"_s) ? QUrl(given).toLocalFile() : given;
    }

    ScopedVariable cache{"XDG_CACHE_HOME", scratchPath(u"cache"_s).toUtf8()};
    ScopedVariable config{"XDG_CONFIG_HOME", scratchPath(u"config"_s).toUtf8()};
    ScopedVariable configDirs{"XDG_CONFIG_DIRS", scratchPath(u"none"_s).toUtf8()};
    ScopedVariable data{"XDG_DATA_HOME", scratchPath(u"data"_s).toUtf8()};
    ScopedVariable dataDirs{"XDG_DATA_DIRS", scratchPath(u"none"_s).toUtf8()};
};

// The stand-in gets the template (the bytes Export writes, whole, picture and all) from
// the program's private folder, by the desktop's own list or the common one; Ctrl+Shift+M
// works from inside a text field.
TEST_F(NewMessageTest, OpensTheTemplateInTheDesktopsMailClient) {
#ifdef _WIN32
    GTEST_SKIP() << "the desktop entries of free desktops; Windows' client is tried under Wine";
#endif
    platform::DesktopMailClient realClient(200);
    for (const QString& desktop : {u"GNOME"_s, QString()}) {
        ScopedVariable session("XDG_CURRENT_DESKTOP", desktop.toUtf8());
        registerStandIn(desktop, desktop.isEmpty() ? u"%f"_s : u"%u"_s, false);
        QFile::remove(scratchPath(u"args"_s));
        form = std::make_unique<MainWindow>(MainWindowServices{
            dialogs, messages, volumes, audio, browser, realClient, mailAccount, [] {
            }});
        const QString picture = scratchPath(u"sea view.jpg"_s);
        picture_files::write(picture,
                             picture_files::encode(picture_files::detailed(40, 30), "jpeg"));
        stationery::StationerySettings s;
        s.picture = picture.toStdString();
        s.title = "Summer / Sea";
        const QString file = scratchPath(u"summer.htm"_s);
        stationery::StationeryWriter::save(file.toStdString(), s);
        ASSERT_TRUE(form->openStationery(file));
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        trigger("colorFontItem");
        control<QLineEdit>("titleEdit")->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), control<QLineEdit>("titleEdit"));
        QTest::keyClick(control<QLineEdit>("titleEdit"), Qt::Key_M,
                        Qt::ControlModifier | Qt::ShiftModifier);

        ASSERT_TRUE(QTest::qWaitFor([&] { return !fileGiven().isEmpty(); }, 5000))
            << desktop.toStdString() << " "
            << control<QLabel>("statusMessage")->text().toStdString()
            << (messages.shown.empty() ? "" : messages.shown[0].text.toStdString())
            << (messages.asked.empty() ? "" : messages.asked[0].text.toStdString());
        const QString given = fileGiven();
        EXPECT_EQ(QFileInfo(given).absolutePath(), messagesFolder());
        EXPECT_EQ(QFileInfo(given).fileName(), u"summer.eml"_s);
        EXPECT_EQ(QFileInfo(QFileInfo(given).absolutePath()).permissions() & 0x0077, 0);
        QProcess check;
        check.start(QStringLiteral(STATIONERY_PYTHON),
                    {QStringLiteral(STATIONERY_TEMPLATE_CHECK), given, picture});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return control<QLabel>("statusMessage")->text().contains(u"Stand-in Mail"_s); }));
        EXPECT_TRUE(messages.shown.empty() && messages.asked.empty());
        dialogs.answerSave(scratchPath(u"exported.eml"_s));
        trigger("exportAction");
        QFile sent(given), exported(scratchPath(u"exported.eml"_s));
        ASSERT_TRUE(sent.open(QIODevice::ReadOnly) && exported.open(QIODevice::ReadOnly));
        EXPECT_EQ(sent.readAll(), exported.readAll());
    }
}

// A client that fails is named with its own words, and the template is offered for
// saving elsewhere; nothing is lost either way.
TEST_F(NewMessageTest, AFailingClientIsNamedAndTheTemplateOfferedElsewhere) {
#ifdef _WIN32
    GTEST_SKIP() << "the desktop entries of free desktops; Windows' client is tried under Wine";
#endif
    platform::DesktopMailClient realClient(2000);
    ScopedVariable session("XDG_CURRENT_DESKTOP", "");
    registerStandIn({}, u"%f"_s, true);
    form = std::make_unique<MainWindow>(
        MainWindowServices{dialogs, messages, volumes, audio, browser, realClient, mailAccount, [] {
                           }});
    for (const bool saveElsewhere : {false, true}) {
        messages.asked.clear();
        messages.yes = saveElsewhere;
        if (saveElsewhere)
            dialogs.answerSave(scratchPath(u"kept"_s));
        trigger("newMessageAction");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.asked.empty(); }, 5000));
        const QString asked = messages.asked[0].text;
        EXPECT_TRUE(asked.contains(u"Stand-in Mail did not open the message: no account is set "
                                   u"up yet.\n\nSave the message template somewhere else"_s))
            << asked.toStdString();
        EXPECT_EQ(QFileInfo::exists(scratchPath(u"kept.eml"_s)), saveElsewhere);
    }
    // A client known to open no message file given to it is not started: the answer
    // says so and names what works.
    registerStandIn({}, u"%U"_s, false, u"evolution"_s);
    QFile::remove(scratchPath(u"args"_s));
    messages.asked.clear();
    messages.yes = false;
    trigger("newMessageAction");
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(
        u"Stand-in Mail cannot open a message file given to it. File > Put in Mail Account "
        u"puts the stationery in your account's Templates folder, which Stand-in Mail shows."_s))
        << messages.asked[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(scratchPath(u"args"_s)));

    // No client at all for messages.
    QFile::remove(scratchPath(u"config/mimeapps.list"_s));
    QFile::remove(scratchPath(u"data/applications/stand-in-mail.desktop"_s));
    messages.asked.clear();
    messages.yes = false;
    trigger("newMessageAction");
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(
        messages.asked[0].text.contains(u"no application is set to open e-mail messages"_s));
}

// Each start removes the messages it left a day ago or more, and nothing else.
TEST_F(NewMessageTest, OldMessagesGoAtTheNextStartAndNothingElse) {
    const QString folder = messagesFolder();
    const QDateTime twoDaysAgo = QDateTime::currentDateTime().addDays(-2);
    for (const QString& name : {u"old.eml"_s, u"old.eml.log"_s, u"new.eml"_s, u"notes.txt"_s}) {
        writeFile(folder + u'/' + name, "x");
        QFile file(folder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        if (name != u"new.eml"_s)
            file.setFileTime(twoDaysAgo, QFileDevice::FileModificationTime);
    }
    form = makeForm();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{u"new.eml"_s, u"notes.txt"_s}));
}

} // namespace
