// File > Open: a stationery file read back into the controls.
#include "editor/form1.h"
#include "editor/paths.h"

#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_list_box.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/menu_item.h"
#include "platform/message_box.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"
#include "stationery/file_names.h"
#include "stationery/hex_color.h"
#include "stationery/reader.h"

#include <QFileInfo>
#include <QLineEdit>

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// "RRGGBB" as a colour number, or nothing for other text.
std::optional<qint32> colorNumber(const std::string& hex) {
    if (const auto rgb = stationery::parseHexColor(hex))
        return qint32(stationery::colorNumber(*rgb));
    return std::nullopt;
}

// Moves a drive and folder list to the folder that holds `file`.
void showFolderOf(const QString& file, platform::DriveListBox* drive, platform::DirListBox* dir) {
    const QString folder = QFileInfo(file).absolutePath();
    try {
        drive->setDrive(folder);
        dir->setPath(folder);
    } catch (const platform::RuntimeError&) {
        // The lists stay where they are; the file is still the chosen one.
    }
}

} // namespace

void Form1::Form1_mnuOpen_Click() {
    if (!CommonDialog1.ShowOpen())
        return;
    openStationery(CommonDialog1.FileName);
}

bool Form1::openStationery(const QString& path) {
    stationery::StationerySettings settings;
    if (!underHourglass(tr("Not Opened"), [&] {
            settings = stationery::StationeryReader::readFile(fileSystemPath(path));
        }))
        return false;
    setMousePointer(PointerHourglass);
    documentFolder_ = QFileInfo(path).absolutePath();
    const FilesNotFound problems = applySettings(settings);
    setWindowTitle(path);
    setMousePointer(PointerDefault);
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

Form1::FilesNotFound Form1::applySettings(const stationery::StationerySettings& s) {
    FilesNotFound problems;
    // Paths as the file writes them stay in the holders; the files they name are
    // looked for relative to the file's own folder.
    const auto fileOf = [this](const std::string& written) {
        return fromUtf8(stationery::resolvedPath(written, fileSystemPath(documentFolder_)));
    };

    // The picture: shown and its lists opened where it is, or kept as a path alone.
    const QString picture = fromUtf8(s.ImagePath);
    const QString pictureFile = fileOf(s.ImagePath);
    const bool carriesSize = stationery::isScrolling(s);
    Image1->setPicture(QPixmap());
    Image1->Tag.clear();
    File1->showChosen(QString());
    if (picture != QLatin1String(stationery::kNoImage.data())) {
        if (QFileInfo(pictureFile).isFile()) {
            showFolderOf(pictureFile, Drive1, Dir1);
            File1->showChosen(QFileInfo(pictureFile).fileName());
            try {
                showPicture(pictureFile, !carriesSize);
            } catch (const std::exception&) {
                problems.unreadable << picture;
            }
        } else {
            problems.gone << picture;
        }
        Image1->Tag = pictureFile;
    }
    Label10->setCaption(picture);
    // The file's sizes, where it has them, rather than the picture measured again.
    if (carriesSize || picture == QLatin1String(stationery::kNoImage.data())) {
        Text6->setText(fromUtf8(s.ImageWidth));
        Text7->setText(fromUtf8(s.ImageHeight));
    }

    // The sound.
    const QString sound = fromUtf8(s.SoundPath);
    const QString soundFile = fileOf(s.SoundPath);
    File2->showChosen(QString());
    if (sound != QLatin1String(stationery::kNoSound.data()) && QFileInfo(soundFile).isFile()) {
        showFolderOf(soundFile, Drive2, Dir2);
        File2->showChosen(QFileInfo(soundFile).fileName());
        chooseSound(soundFile);
    } else if (sound != QLatin1String(stationery::kNoSound.data()) && s.NoSound == 0) {
        problems.gone << sound;
    }
    Label14->setCaption(sound);
    Check1->setValue(s.NoSound != 0 ? 1 : 0);
    Check2->setValue(s.OutlookExpress4 != 0 ? 1 : 0);

    // Tickers: what the file leaves out is an empty field.
    Text1->setText(fromUtf8(s.TickerText1));
    Text2->setText(fromUtf8(s.TickerText2));
    Text3->setText(fromUtf8(s.TickerText3));

    // Colours and font, on the two sample labels as the dialogs would leave them.
    Label4->Tag = fromUtf8(s.TextColor);
    Label5->Tag = fromUtf8(s.BackgroundColor);
    for (platform::Label* sample : {Label4, Label5})
        sample->resetColors();
    if (const auto text = colorNumber(s.TextColor)) {
        Label4->setForeColor(*text);
        Label5->setForeColor(*text);
    }
    if (const auto background = colorNumber(s.BackgroundColor)) {
        Label4->setBackColor(*background);
        Label5->setBackColor(*background);
    }
    CommonDialog1.FontName = fromUtf8(s.FontName);
    CommonDialog1.FontSize = s.FontSize;
    CommonDialog1.FontBold = s.FontBold;
    CommonDialog1.FontItalic = s.FontItalic;
    showChosenFont();
    Text4->setText(fromUtf8(s.AuthorName));
    Text5->setText(fromUtf8(s.Title));

    // Margins and the scroll direction.
    Text8->setText(fromUtf8(s.TopMargin));
    Text9->setText(fromUtf8(s.LeftMargin));
    static const QString captions[] = {QStringLiteral("Scroll Direction"), QStringLiteral("Up"),
                                       QStringLiteral("Left"), QStringLiteral("Down"),
                                       QStringLiteral("Right")};
    Label13->setCaption(captions[static_cast<int>(s.Direction)]);

    // The Items menu ticks what the file sets, as if each part had been chosen by hand.
    mnuImage->setChecked(picture != QLatin1String(stationery::kNoImage.data()));
    mnuSound->setChecked(sound != QLatin1String(stationery::kNoSound.data()) || s.NoSound != 0);
    mnuTicker->setChecked(stationery::isRealTicker(s, 1) || stationery::isRealTicker(s, 2) ||
                          stationery::isRealTicker(s, 3));
    mnucolorfont->setChecked(
        !s.TextColor.empty() || !s.BackgroundColor.empty() || !s.FontName.empty() ||
        s.AuthorName != stationery::kAuthorPlaceholder || s.Title != stationery::kTitlePlaceholder);
    mnuMargins->setChecked(s.LeftMargin != "0" || s.TopMargin != "0" ||
                           s.Direction != stationery::ScrollDirection::NoScroll);
    return problems;
}
