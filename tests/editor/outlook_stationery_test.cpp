#include "editor/outlook_stationery_command.h"
#include "editor_fixture.h"
#include "picture_files.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

using OutlookStationeryTest = EditorTest;

// The page and its picture go into the personal stationery folder, made when missing,
// under the stationery's name; a file there already keeps its bytes.
TEST_F(OutlookStationeryTest, ThePageAndPictureGoIntoTheFolderAndNothingIsOverwritten) {
    const QString picture = scratchPath(u"sea.jpg"_s);
    picture_files::write(picture, picture_files::encode(picture_files::detailed(40, 30), "jpeg"));
    dialogs.answerOpen(picture);
    control<QPushButton>("pictureBrowseButton")->click();
    ASSERT_TRUE(previewShown());
    control<QLineEdit>("titleEdit")->setText(u"Harbour"_s);

    const QString folder = scratchPath(u"AppData/Microsoft/Stationery"_s);
    QString status;
    OutlookStationeryCommand put({form->document(), messages, form.get(),
                                  [this](const QString& path) {
                                      form->document().exportTo(
                                          path, stationery::ExportForm::TodaysClients);
                                      return true;
                                  },
                                  [&status](const QString& text) {
                                      status = text;
                                  }},
                                 folder);
    put.run();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(status.contains(u"\"Harbour\""_s)) << status.toStdString();
    const QString page = QDir(folder).filePath(u"Harbour.htm"_s);
    QFile written(page);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray html = written.readAll();
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains("sea.jpg"));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(u"sea.jpg"_s)));

    // Once more: the first page stays as it was, the second takes the next name.
    put.run();
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(u"Harbour (2).htm"_s)));
    written.close();
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), html);
}

} // namespace
