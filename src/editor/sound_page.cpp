#include "editor/sound_page.h"

#include "editor/browse_button.h"
#include "editor/em_size.h"
#include "editor/stationery_document.h"
#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_browser.h"
#include "platform/file_list_box.h"
#include "platform/media_control.h"
#include <QDir>
#include <QLabel>
#include <QScopedValueRollback>

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

SoundPage::SoundPage(QWidget* page, PageContext context, const platform::VolumeList& volumes,
                     platform::AudioDevice& audio, platform::DialogPrompter& dialogs)
    : EditorPage(page), context_(std::move(context)) {
    frame_ = new QGroupBox(tr("Sounds"), page);
    browser_ = new platform::FileBrowser(volumes, context_.messages,
                                         QStringLiteral("*.mid;*.wav;*.mp3"), frame_);
    oldClient_ = new platform::CheckBox(tr("Outlook Express 4"), frame_);
    noSound_ = new platform::CheckBox(tr("No Sound"), frame_);
    auto* lists = new QGridLayout(frame_);
    lists->addWidget(browser_->drives(), 0, 0);
    lists->addWidget(browser_->folders(), 1, 0);
    lists->addWidget(browser_->files(), 0, 1, 2, 1);
    auto* choices = new QVBoxLayout;
    choices->addWidget(oldClient_);
    choices->addWidget(noSound_);
    choices->addStretch();
    QPushButton* browse =
        makeBrowseButton(frame_, dialogs, QStandardPaths::MusicLocation,
                         {tr("Sounds (*.mid *.midi *.wav *.mp3)"), tr("All files (*)")},
                         [this](const QString& file) { chooseSound(file); });
    browse->setObjectName(QStringLiteral("soundBrowseButton"));
    browse->setAccessibleName(tr("Browse for a sound"));
    choices->addWidget(browse);
    lists->addLayout(choices, 0, 2, 2, 1);
    browser_->folders()->setMinimumSize(emSize(page, 9, 5));
    browser_->files()->setMinimumSize(emSize(page, 7.5, 6));

    // Below the lists, the player.
    player_ = new platform::MediaControl(audio, page);
    player_->setMinimumSize(emSize(page, 5, 1.8));
    auto* column = new QVBoxLayout(page);
    column->addWidget(frame_, 1);
    column->addWidget(player_, 0, Qt::AlignHCenter);

    const std::pair<QWidget*, const char*> names[] = {
        {frame_, "soundFrame"},
        {browser_->drives(), "soundDriveList"},
        {browser_->folders(), "soundFolderList"},
        {browser_->files(), "soundFileList"},
        {noSound_, "noSoundCheck"},
        {oldClient_, "oldClientCheck"},
        {player_, "soundPlayer"},
    };
    const char* const spoken[] = {
        QT_TR_NOOP("Sounds"),       QT_TR_NOOP("Sound drive"), QT_TR_NOOP("Sound folder"),
        QT_TR_NOOP("Sound files"),  QT_TR_NOOP("No Sound"),    QT_TR_NOOP("Outlook Express 4"),
        QT_TR_NOOP("Sound player"),
    };
    for (std::size_t i = 0; i < std::size(names); ++i) {
        names[i].first->setObjectName(QLatin1String(names[i].second));
        names[i].first->setAccessibleName(tr(spoken[i]));
    }
    player_->playButton()->setObjectName(QStringLiteral("playButton"));
    player_->pauseButton()->setObjectName(QStringLiteral("pauseButton"));
    player_->stopButton()->setObjectName(QStringLiteral("stopButton"));

    connect(browser_, &platform::FileBrowser::fileChosen, this, &SoundPage::chooseSound);
    connect(noSound_, &platform::CheckBox::toggled, this, &SoundPage::noSoundClicked);
    connect(oldClient_, &platform::CheckBox::toggled, this, [this] {
        context_.document.edit(StationeryDocument::Edit::SoundForm,
                               [this](stationery::StationerySettings& s) {
                                   s.soundAsHiddenPicture = oldClient_->isChecked();
                               });
    });
}

void SoundPage::load(const stationery::StationerySettings& s) {
    if (noSound_->isChecked() != s.noSound)
        noSound_->setChecked(s.noSound);
    if (oldClient_->isChecked() != s.soundAsHiddenPicture)
        oldClient_->setChecked(s.soundAsHiddenPicture);
    if (context_.document.isOpening()) {
        if (!showingOpened_) // not the choice the showing makes
            showOpened();
        return;
    }
    // The sound the document names now (after Undo or Redo).
    const QString named = QString::fromStdString(std::string(stationery::soundPath(s)));
    if (named == shownSound_)
        return;
    shownSound_ = named;
    const QString file = QString::fromStdString(
        std::string(stationery::soundPath(context_.document.settingsInUse())));
    showSound(named.isEmpty() || !QFileInfo(file).isFile() ? QString() : file);
}

void SoundPage::showSound(const QString& file) {
    player_->stop();
    player_->close();
    if (file.isEmpty()) {
        browser_->files()->showChosen(QString());
        return;
    }
    browser_->showFile(file);
    player_->open(file);
}

void SoundPage::showOpened() {
    const QScopedValueRollback showing(showingOpened_, true);
    StationeryDocument& document = context_.document;
    const stationery::StationerySettings& s = document.settings();
    const QString named = QString::fromStdString(std::string(stationery::soundPath(s)));
    const QString file =
        QString::fromStdString(std::string(stationery::soundPath(document.settingsInUse())));
    shownSound_ = named;
    if (!s.sound) {
        showSound(QString()); // nothing of an earlier stationery's sound stays
        return;
    }
    if (QFileInfo(file).isFile()) {
        browser_->showFile(file);
        openSound(file, named);
    } else if (!s.noSound) {
        document.openingProblems().gone << named;
    }
}

void SoundPage::chooseSound(const QString& chosen) {
    // Named as the system names files, whether a list, a dialog or a drop gave it.
    const QString path = QDir::toNativeSeparators(chosen);
    browser_->follow(path);
    openSound(path, path);
}

void SoundPage::openSound(const QString& path, const QString& named) {
    player_->stop();
    context_.setBusy(true);
    shownSound_ = named;
    // The sound and "No Sound" let go are one step.
    context_.document.history().beginMacro(tr("Change Sound"));
    context_.document.edit(StationeryDocument::Edit::Sound, [&](stationery::StationerySettings& s) {
        s.sound = named.toStdString();
    });
    if (noSound_->isChecked())
        noSound_->setChecked(false); // runs noSoundClicked, which finds a sound chosen
    context_.document.history().endMacro();
    emit touched(true);

    player_->close();
    player_->open(path);
    context_.setBusy(false);
}

void SoundPage::noSoundClicked() {
    context_.document.edit(
        StationeryDocument::Edit::NoSound,
        [this](stationery::StationerySettings& s) { s.noSound = noSound_->isChecked(); });
    if (noSound_->isChecked()) {
        player_->stop();
        player_->close();
        emit touched(true);
    }
    if (!noSound_->isChecked() && !context_.document.settings().sound)
        emit touched(false);
}
