// File > Preview in Browser and File > Check: the stationery as recipients will meet it.
#include "editor/form1.h"
#include "editor/paths.h"

#include "platform/check_box.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/picture_colours.h"
#include "platform/url_opener.h"
#include "platform/window_placement.h"
#include "stationery/writer.h"
#include "windows/check_window.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

void Form1::Form1_mnuPreview_Click() {
    // A folder of this run's own, removed with the window however the program ends.
    if (!previewFolder_)
        previewFolder_ = std::make_unique<QTemporaryDir>(
            QDir::tempPath() + QStringLiteral("/stationery-preview-XXXXXX"));
    if (!previewFolder_->isValid()) {
        services_.messages.exclamation(
            this, tr("The preview could not be written: %1.").arg(previewFolder_->errorString()),
            tr("No Preview"));
        previewFolder_.reset();
        return;
    }
    const QString page = previewFolder_->filePath(QStringLiteral("preview.htm"));
    // Names relative to an opened file are made full, since the preview sits elsewhere.
    if (!underHourglass(tr("No Preview"), [&] {
            stationery::StationeryWriter::save(fileSystemPath(page), settingsInUse());
        }))
        return;
    services_.browser.open(
        QUrl::fromLocalFile(page), [window = QPointer<Form1>(this)](const QString& reason) {
            if (window)
                window->services_.messages.exclamation(
                    window,
                    tr("No web browser could be started to show the preview (%1). Nothing was "
                       "saved; File > Save writes the stationery as usual.")
                        .arg(reason),
                    tr("No Browser"));
        });
}

void Form1::Form1_mnuCheck_Click() {
    if (!check_) {
        check_ = new CheckWindow(this);
        check_->setAttribute(Qt::WA_DeleteOnClose);
        // Beside the editor, never over it: the point is to watch both at once.
        // Its frame is taken to be as wide as the editor's own.
        const QMargins frame(geometry().left() - frameGeometry().left(),
                             geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        check_->setGeometry(platform::besideWithoutCovering(frameGeometry(),
                                                            screen()->availableGeometry(),
                                                            check_->size().grownBy(frame))
                                .marginsRemoved(frame));
    }
    refreshCheck();
    check_->show();
    check_->raise();
    check_->activateWindow();
}

CheckWindow* Form1::checkWindow() const {
    return check_;
}

void Form1::connectCheckUpdates() {
    checkTimer_ = new QTimer(this);
    checkTimer_->setSingleShot(true);
    checkTimer_->setInterval(0); // after the handler that changed something has ended
    connect(checkTimer_, &QTimer::timeout, this, &Form1::refreshCheck);
    for (QLineEdit* field : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9})
        connect(field, &QLineEdit::textChanged, this, &Form1::scheduleCheck);
    for (platform::Label* holder : {Label4, Label5, Label10, Label13, Label14})
        connect(holder, &platform::Label::Changed, this, &Form1::scheduleCheck);
    for (platform::CheckBox* box : {Check1, Check2})
        connect(box, &platform::CheckBox::Click, this, &Form1::scheduleCheck);
}

void Form1::scheduleCheck() {
    if (check_ && check_->isVisible())
        checkTimer_->start();
}

stationery::CheckFacts Form1::checkFacts(const stationery::StationerySettings& s) {
    stationery::CheckFacts facts;
    // Sizes and existence from the file system; nothing is read.
    const QFileInfo picture(QString::fromStdString(s.ImagePath));
    facts.pictureExists = picture.isFile();
    facts.pictureBytes = facts.pictureExists ? std::uintmax_t(picture.size()) : 0;
    const QFileInfo sound(QString::fromStdString(s.SoundPath));
    facts.soundExists = sound.isFile();
    facts.soundBytes = facts.soundExists ? std::uintmax_t(sound.size()) : 0;
    // Colours from the preview already shown, measured once for each picture.
    const QPixmap& preview = Image1->Picture();
    if (!preview.isNull()) {
        if (preview.cacheKey() != previewColoursKey_) {
            previewColours_ = platform::pictureColours(preview.toImage());
            previewColoursKey_ = preview.cacheKey();
        }
        facts.picture = previewColours_;
    }
    return facts;
}

void Form1::refreshCheck() {
    if (!check_)
        return;
    const stationery::StationerySettings s = settingsInUse();
    check_->showFindings(stationery::checkStationery(s, checkFacts(s)));
}
