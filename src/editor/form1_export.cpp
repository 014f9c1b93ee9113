// File > Export: the stationery with its picture and sound beside it, in the classic
// form or the form for today's mail clients, or as a message template.
#include "editor/form1.h"
#include "editor/paths.h"

#include "platform/message_box.h"
#include "stationery/export.h"

#include <filesystem>

namespace {

// The export dialog's file types, in the order of stationery::ExportForm.
const char* const kExportTypes =
    QT_TRANSLATE_NOOP("Form1", "Stationery|*.htm;*.html|Stationery for today's mail clients|"
                               "*.htm;*.html|Message template|*.eml");

// The form the dialog's answer asks for: a name ending in ".eml" is a message template
// whatever type was chosen, and a page name never is.
stationery::ExportForm formFor(const QString& fileName, int filterIndex) {
    const auto byName = stationery::formForName(fileSystemPath(fileName));
    if (byName == stationery::ExportForm::Message)
        return *byName;
    if (filterIndex == 2 || (filterIndex == 3 && byName))
        return stationery::ExportForm::TodaysClients;
    return filterIndex == 3 ? stationery::ExportForm::Message : stationery::ExportForm::Classic;
}

} // namespace

void Form1::Form1_mnuExport_Click() {
    const QString saveFilter = CommonDialog1.Filter;
    CommonDialog1.Filter = tr(kExportTypes);
    CommonDialog1.DialogTitle = tr("Export");
    const bool chosen = CommonDialog1.ShowSave();
    CommonDialog1.Filter = saveFilter;
    CommonDialog1.DialogTitle.clear();
    if (!chosen)
        return;

    const auto form = formFor(CommonDialog1.FileName, CommonDialog1.FilterIndex);
    // The title still names the stationery last saved or opened.
    underHourglass(tr("Not Exported"), [&] {
        stationery::exportStationery(fileSystemPath(CommonDialog1.FileName), settingsInUse(), form);
    });
}
