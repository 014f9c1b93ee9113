#include "editor/form1.h"
#include "editor/paths.h"

#include "platform/check_box.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "stationery/file_names.h"
#include "stationery/writer.h"

#include <QLineEdit>

#include <filesystem>

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

stationery::StationerySettings Form1::settingsFromControls() const {
    stationery::StationerySettings s;
    s.AuthorName = utf8(Text4->text());
    s.Title = utf8(Text5->text());
    s.ImagePath = utf8(Label10->Caption());
    s.BackgroundColor = utf8(Label5->Tag);
    s.FontSize = CommonDialog1.FontSize;
    s.FontName = utf8(CommonDialog1.FontName);
    s.FontBold = CommonDialog1.FontBold;
    s.FontItalic = CommonDialog1.FontItalic;
    s.TextColor = utf8(Label4->Tag);
    s.LeftMargin = utf8(Text9->text());
    s.TopMargin = utf8(Text8->text());
    s.Direction = stationery::directionFromCaption(utf8(Label13->Caption()));
    s.ImageWidth = utf8(Text6->text());
    s.ImageHeight = utf8(Text7->text());
    s.NoSound = static_cast<std::int16_t>(Check1->Value());
    s.OutlookExpress4 = static_cast<std::int16_t>(Check2->Value());
    s.SoundPath = utf8(Label14->Caption());
    s.TickerText1 = utf8(Text1->text());
    s.TickerText2 = utf8(Text2->text());
    s.TickerText3 = utf8(Text3->text());
    return s;
}

stationery::StationerySettings Form1::settingsInUse() const {
    return stationery::withResolvedPaths(settingsFromControls(), fileSystemPath(documentFolder_));
}

void Form1::Form1_mnuSave_Click() {
    const bool chosen = CommonDialog1.ShowSave();
    CommonDialog1.Flags = platform::CommonDialog::CreatePromptFlag;
    if (!chosen)
        return; // cancelled: nothing to write

    const QString path = CommonDialog1.FileName;
    const bool saved = underHourglass(tr("Not Saved"), [&] {
        stationery::StationeryWriter::save(fileSystemPath(path), settingsFromControls());
    });
    // The title names the file only once it has really been written.
    if (saved)
        setWindowTitle(path);
}

bool Form1::underHourglass(const QString& failureTitle, const std::function<void()>& work) {
    setMousePointer(PointerHourglass);
    try {
        work();
    } catch (const std::runtime_error& error) {
        // Save, export and open errors say what failed and why, naming the file.
        setMousePointer(PointerDefault);
        services_.messages.exclamation(this, QString::fromStdString(error.what()), failureTitle);
        return false;
    }
    setMousePointer(PointerDefault);
    return true;
}
