#include "doubles/scripted_dialogs.h"
#include "editor/file_dialogs.h"
#include "scoped_variable.h"

#include "qt_printers.h"
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The file dialogs start where stationery is kept, offer Qt's filters for the types,
// and give a name typed without an extension the chosen type's.
TEST(FileDialogs, StartWhereStationeryIsKeptAndCompleteTypedNames) {
    QTemporaryDir home;
    ScopedVariable homeVariable{"HOME", home.path().toUtf8()};
    ScopedVariable config{"XDG_CONFIG_HOME", home.filePath(u".config"_s).toUtf8()};
#ifndef _WIN32 // Windows finds the documents folder without these
    QDir(home.path()).mkpath(u"Documents"_s);
    EXPECT_EQ(FileDialogs::usualFolder(), home.filePath(u"Documents"_s));
    QDir(home.path()).mkpath(u"Documents/Stationery"_s);
    EXPECT_EQ(FileDialogs::usualFolder(), home.filePath(u"Documents/Stationery"_s));
#endif

    const QList<FileType> types{{u"Pages"_s, {u"*.htm"_s, u"*.html"_s}},
                                {u"Messages"_s, {u"*.eml"_s}}};
    EXPECT_EQ(FileDialogs::nameFilters(types),
              (QStringList{u"Pages (*.htm *.html)"_s, u"Messages (*.eml)"_s}));
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
        platform::ScriptedDialogs script;
        FileDialogs dialogs(script, nullptr);
        script.answerSave(c.answer, c.type);
        const auto chosen = dialogs.savePath(u"Export"_s, u"page.eml"_s, types);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->path, c.saved);
        EXPECT_EQ(script.lastTitle(), u"Export"_s);
        EXPECT_EQ(script.lastInitialFolder(),
                  QDir(FileDialogs::usualFolder()).filePath(u"page.eml"_s));
    }
    platform::ScriptedDialogs script;
    script.cancelNext();
    EXPECT_FALSE(FileDialogs(script, nullptr).openPath(types));
}

} // namespace
