#include "platform/common_dialog.h"
#include "platform/doubles/scripted_dialogs.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(CommonDialog, KeepsValuesAcrossDialogsAndIgnoresCancels) {
    ScriptedDialogs script;
    CommonDialog dialog(script, nullptr);
    EXPECT_EQ(dialog.FontSize, 8.0f);
    EXPECT_EQ(dialog.FontName, "");

    script.answerSave("/tmp/a.htm");
    EXPECT_TRUE(dialog.ShowSave());
    script.cancelNext();
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, "/tmp/a.htm");

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
    EXPECT_EQ(CommonDialog::toQtNameFilter("Stationery Files (*.htm, *.html)|*.htm;*.html"),
              "Stationery Files (*.htm, *.html) (*.htm *.html)");
    EXPECT_EQ(CommonDialog::toQtNameFilter("Plain"), "Plain");

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString stationery = QDir(documents).filePath("Stationery");
    EXPECT_EQ(CommonDialog::defaultInitDir(), QDir(stationery).exists() ? stationery : documents);
}

} // namespace
} // namespace platform
