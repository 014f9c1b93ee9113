#include "doubles/scripted_dialogs.h"
#include "platform/common_dialog.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

TEST(CommonDialog, KeepsTheNameAcrossDialogsAndIgnoresCancels) {
    ScriptedDialogs script;
    CommonDialog dialog(script, nullptr);
    script.answerSave(u"/tmp/a.htm"_s);
    EXPECT_TRUE(dialog.ShowSave());
    script.cancelNext();
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, u"/tmp/a.htm"_s);
    EXPECT_TRUE(script.allAnswered());
}

TEST(CommonDialog, FilterAndStartFolder) {
    EXPECT_EQ(CommonDialog::toQtNameFilter(u"Stationery Files (*.htm, *.html)|*.htm;*.html"_s),
              u"Stationery Files (*.htm *.html)"_s);
    EXPECT_EQ(CommonDialog::toQtNameFilter(u"Stationery (classic)|*.htm"_s),
              u"Stationery (classic) (*.htm)"_s);
    EXPECT_EQ(CommonDialog::toQtNameFilter(u"Plain"_s), u"Plain"_s);

    // Documents/Stationery when it exists, else Documents.
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u".config"_s)));
    QDir(home.path()).mkpath(u"Documents"_s);
    EXPECT_EQ(CommonDialog::defaultInitDir(), home.filePath(u"Documents"_s));
    QDir(home.path()).mkpath(u"Documents/Stationery"_s);
    EXPECT_EQ(CommonDialog::defaultInitDir(), home.filePath(u"Documents/Stationery"_s));
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST(CommonDialog, ANameWithoutExtensionGetsTheChosenTypes) {
    const struct {
        QString answer;
        int type;
        QString saved;
    } cases[] = {
        {u"/tmp/Not"_s, 0, u"/tmp/Not.htm"_s},
        {u"/tmp/Not"_s, 1, u"/tmp/Not.eml"_s},
        {u"/tmp/a.html"_s, 0, u"/tmp/a.html"_s},
        {u"/tmp/a.txt"_s, 1, u"/tmp/a.txt"_s},
    };
    for (const auto& c : cases) {
        ScriptedDialogs script;
        CommonDialog dialog(script, nullptr);
        dialog.Filter = u"Pages|*.htm;*.html|Messages|*.eml"_s;
        dialog.DialogTitle = u"Export"_s;
        script.answerSave(c.answer, c.type);
        ASSERT_TRUE(dialog.ShowSave());
        EXPECT_EQ(dialog.FileName, c.saved);
        EXPECT_EQ(script.lastTitle(), u"Export"_s);
    }
}

} // namespace
} // namespace platform
