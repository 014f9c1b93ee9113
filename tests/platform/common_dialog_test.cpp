#include "platform/common_dialog.h"
#include "platform/doubles/scripted_dialogs.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

TEST(CommonDialog, KeepsValuesAcrossDialogsAndIgnoresCancels) {
    ScriptedDialogs script;
    CommonDialog dialog(script, nullptr);
    EXPECT_EQ(dialog.FontSize, 8.0f);
    EXPECT_EQ(dialog.FontName, u""_s);

    script.answerSave(u"/tmp/a.htm"_s);
    EXPECT_TRUE(dialog.ShowSave());
    script.cancelNext();
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, u"/tmp/a.htm"_s);

    script.answerColor(QColor(1, 2, 3));
    EXPECT_TRUE(dialog.ShowColor());
    EXPECT_EQ(dialog.Color, 1 | 2 << 8 | 3 << 16);
    script.cancelNext();
    EXPECT_FALSE(dialog.ShowColor());
    EXPECT_EQ(dialog.Color, 1 | 2 << 8 | 3 << 16);
    EXPECT_FALSE(dialog.ShowFont()); // nothing scripted: cancelled
    EXPECT_EQ(dialog.FontSize, 8.0f);
    EXPECT_TRUE(script.allAnswered());
}

TEST(CommonDialog, FilterAndStartFolder) {
    EXPECT_EQ(CommonDialog::toQtNameFilter(u"Stationery Files (*.htm, *.html)|*.htm;*.html"_s),
              u"Stationery Files (*.htm, *.html) (*.htm *.html)"_s);
    EXPECT_EQ(CommonDialog::toQtNameFilter(u"Plain"_s), u"Plain"_s);

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString stationery = QDir(documents).filePath(u"Stationery"_s);
    EXPECT_EQ(CommonDialog::defaultInitDir(), QDir(stationery).exists() ? stationery : documents);
}

} // namespace
} // namespace platform
