// File > Export: the stationery with its picture and sound beside it, in the classic
// form or the form for today's mail clients.
#include "editor/form1.h"

#include "platform/message_box.h"
#include "stationery/export.h"

#include <filesystem>

namespace {

// The export dialog's file types, in the order of stationery::ExportForm.
const char* const kExportTypes = QT_TRANSLATE_NOOP(
    "Form1", "Stationery|*.htm;*.html|Stationery for today's mail clients|*.htm;*.html");

} // namespace

void Form1::Form1_mnuExport_Click() {
    const QString saveFilter = CommonDialog1.Filter;
    CommonDialog1.Filter = tr(kExportTypes);
    const bool chosen = CommonDialog1.ShowSave();
    CommonDialog1.Filter = saveFilter;
    if (!chosen)
        return;

    const auto form = CommonDialog1.FilterIndex == 2 ? stationery::ExportForm::TodaysClients
                                                     : stationery::ExportForm::Classic;
    setMousePointer(PointerHourglass);
    try {
        stationery::exportStationery(std::filesystem::path(CommonDialog1.FileName.toStdU16String()),
                                     settingsFromControls(), form);
    } catch (const stationery::ExportError& error) {
        setMousePointer(PointerDefault);
        services_.messages.exclamation(this, QString::fromStdString(error.what()),
                                       tr("Not Exported"));
        return;
    }
    // The title still names the stationery last saved or opened.
    setMousePointer(PointerDefault);
}
