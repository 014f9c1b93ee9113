// The File menu: open, save, export, preview and check, and the question asked before
// unsaved changes would be lost.
#include "editor/form1.h"

#include "editor/browser_preview.h"
#include "editor/check_presenter.h"
#include "editor/error_words.h"
#include "editor/image_page.h"
#include "editor/sound_page.h"
#include "editor/stationery_document.h"
#include "platform/menu_item.h"
#include "platform/message_box.h"
#include "stationery/file_names.h"

#include <QFileInfo>

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The export dialog's file types, in the order of stationery::ExportForm.
const char* const kExportTypes =
    QT_TRANSLATE_NOOP("Form1", "Stationery|*.htm;*.html|Stationery for today's mail clients|"
                               "*.htm;*.html|Message template|*.eml");

// The form the dialog's answer asks for: a name ending in ".eml" is a message template
// whatever type was chosen, and a page name never is.
stationery::ExportForm formFor(const QString& fileName, int filterIndex) {
    const auto byName = stationery::formForName(std::filesystem::path(fileName.toStdU16String()));
    if (byName == stationery::ExportForm::Message)
        return *byName;
    if (filterIndex == 2 || (filterIndex == 3 && byName))
        return stationery::ExportForm::TodaysClients;
    return filterIndex == 3 ? stationery::ExportForm::Message : stationery::ExportForm::Classic;
}

} // namespace

// --- Open --------------------------------------------------------------------

void Form1::Form1_mnuOpen_Click() {
    if (!mayLeaveTheDocument() || !CommonDialog1.ShowOpen())
        return;
    openStationery(CommonDialog1.FileName);
}

bool Form1::openStationery(const QString& path) {
    FilesNotFound problems;
    if (!underHourglass(tr("Not Opened"), [&] {
            document_->open(path, [&] {
                problems = showOpenedFiles();
                tickWhatTheFileSets();
            });
        }))
        return false;
    if (problems.gone.isEmpty() && problems.unreadable.isEmpty())
        return true;
    QStringList paragraphs{
        tr("\"%1\" is open, but not everything it names can be used.").arg(path)};
    if (!problems.gone.isEmpty())
        paragraphs
            << tr("These files can't be found:\n%1").arg(problems.gone.join(QLatin1Char('\n')));
    if (!problems.unreadable.isEmpty())
        paragraphs << tr("This file is there but cannot be read as a picture:\n%1")
                          .arg(problems.unreadable.join(QLatin1Char('\n')));
    paragraphs << tr("The paths are kept, so saving writes them as they were.");
    services_.messages.exclamation(this, paragraphs.join(QStringLiteral("\n\n")),
                                   problems.gone.isEmpty() ? tr("Picture Not Shown")
                                                           : tr("Files Missing"));
    return true;
}

Form1::FilesNotFound Form1::showOpenedFiles() {
    FilesNotFound problems;
    const stationery::StationerySettings s = document_->settings();
    const stationery::StationerySettings files = document_->settingsInUse();

    // The picture: shown and its lists opened where it is, or kept as a path alone.
    const QString picture = fromUtf8(s.ImagePath);
    const QString pictureFile = fromUtf8(files.ImagePath);
    if (picture == QLatin1String(stationery::kNoImage.data())) {
        imagePage_->clearPicture(picture, QString());
    } else if (QFileInfo(pictureFile).isFile()) {
        try {
            // The file's sizes, where it has them, rather than the picture measured again.
            imagePage_->showOpenedPicture(pictureFile, picture, !stationery::isScrolling(s));
        } catch (const std::exception&) {
            problems.unreadable << picture;
        }
    } else {
        imagePage_->clearPicture(picture, pictureFile);
        problems.gone << picture;
    }

    // The sound.
    const QString sound = fromUtf8(s.SoundPath);
    const QString soundFile = fromUtf8(files.SoundPath);
    if (sound != QLatin1String(stationery::kNoSound.data()) && QFileInfo(soundFile).isFile())
        soundPage_->showOpenedSound(soundFile, sound);
    else if (sound != QLatin1String(stationery::kNoSound.data()) && s.NoSound == 0)
        problems.gone << sound;
    return problems;
}

// The Items menu ticks what the file sets, as if each part had been chosen by hand.
void Form1::tickWhatTheFileSets() {
    const stationery::StationerySettings& s = document_->settings();
    mnuImage->setChecked(s.ImagePath != stationery::kNoImage);
    mnuSound->setChecked(s.SoundPath != stationery::kNoSound || s.NoSound != 0);
    mnuTicker->setChecked(stationery::isRealTicker(s, 1) || stationery::isRealTicker(s, 2) ||
                          stationery::isRealTicker(s, 3));
    mnucolorfont->setChecked(
        !s.TextColor.empty() || !s.BackgroundColor.empty() || !s.FontName.empty() ||
        s.AuthorName != stationery::kAuthorPlaceholder || s.Title != stationery::kTitlePlaceholder);
    mnuMargins->setChecked(s.LeftMargin != "0" || s.TopMargin != "0" ||
                           s.Direction != stationery::ScrollDirection::NoScroll);
}

// --- Save, and what unsaved changes ask ------------------------------------------

void Form1::Form1_mnuSave_Click() {
    saveThroughDialog();
}

bool Form1::saveThroughDialog() {
    const bool chosen = CommonDialog1.ShowSave();
    CommonDialog1.Flags = platform::CommonDialog::CreatePromptFlag;
    if (!chosen)
        return false; // cancelled: nothing to write
    // The title names the file only once it has really been written.
    const QString path = CommonDialog1.FileName;
    return underHourglass(tr("Not Saved"), [&] { document_->save(path); });
}

bool Form1::mayLeaveTheDocument() {
    if (!document_->isModified())
        return true;
    const QString name = document_->path().isEmpty() ? tr("the new stationery")
                                                     : QFileInfo(document_->path()).fileName();
    switch (services_.messages.askToSave(this, tr("Save changes to %1?").arg(name),
                                         tr("Unsaved Changes"))) {
    case platform::MessageBox::SaveChoice::Save:
        return saveThroughDialog();
    case platform::MessageBox::SaveChoice::Discard:
        return true;
    case platform::MessageBox::SaveChoice::Cancel:
        break;
    }
    return false;
}

bool Form1::underHourglass(const QString& failureTitle, const std::function<void()>& work) {
    setMousePointer(PointerHourglass);
    try {
        work();
    } catch (const std::exception& error) {
        // Save, export and open errors say what failed and why, naming the file.
        setMousePointer(PointerDefault);
        services_.messages.exclamation(this, errorWords(error), failureTitle);
        return false;
    }
    setMousePointer(PointerDefault);
    return true;
}

// --- Export, Preview, Check ----------------------------------------------------------

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
    underHourglass(tr("Not Exported"), [&] { document_->exportTo(CommonDialog1.FileName, form); });
}

void Form1::Form1_mnuPreview_Click() {
    setMousePointer(PointerHourglass);
    browserPreview_->show([window = QPointer<Form1>(this)](const QString& reason, bool browser) {
        if (!window)
            return;
        window->setMousePointer(PointerDefault);
        if (browser)
            window->services_.messages.exclamation(
                window,
                tr("No web browser could be started to show the preview (%1). Nothing was "
                   "saved; File > Save writes the stationery as usual.")
                    .arg(reason),
                tr("No Browser"));
        else
            window->services_.messages.exclamation(
                window, tr("The preview could not be written: %1").arg(reason), tr("No Preview"));
    });
    setMousePointer(PointerDefault);
}

void Form1::Form1_mnuCheck_Click() {
    check_->show();
}

CheckWindow* Form1::checkWindow() const {
    return check_->window();
}
