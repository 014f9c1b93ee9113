#include "editor/sound_page.h"

#include "editor/stationery_document.h"
#include "editor/twips_layout.h"
#include "platform/check_box.h"
#include "platform/dir_list_box.h"
#include "platform/drive_list_box.h"
#include "platform/file_browser.h"
#include "platform/file_list_box.h"
#include "platform/media_control.h"
#include <QLabel>

#include <QFileInfo>
#include <QGroupBox>
#include <QToolButton>

SoundPage::SoundPage(QWidget* page, QWidget* form, PageContext context,
                     const platform::VolumeList& volumes, platform::AudioDevice& audio)
    : EditorPage(page), context_(std::move(context)) {
    const TwipsLayout& layout = context_.layout;
    frame_ = new QGroupBox(tr("Sounds"), page);
    layout.placeOnPage(frame_, 240, 600, 5892, 2412);
    browser_ = new platform::FileBrowser(volumes, context_.messages,
                                         QStringLiteral("*.mid;*.wav;*.mp3"), frame_);
    layout.place(browser_->drives(), 240, 480, 2292, 288);
    layout.place(browser_->folders(), 240, 960, 2292, 1368);
    layout.place(browser_->files(), 2760, 480, 1932, 1800);
    oldClient_ = new platform::CheckBox(tr("Outlook Express 4"), frame_);
    layout.place(oldClient_, 4800, 360, 972, 732);
    noSound_ = new platform::CheckBox(tr("No Sound"), frame_);
    layout.place(noSound_, 4800, 1200, 972, 432);

    // The player sits on the window, above the tabs; the window shows it with this tab.
    player_ = new platform::MediaControl(audio, form);
    layout.place(player_, 0, 3000, 1224, 492);

    const std::pair<QWidget*, const char*> names[] = {
        {frame_, "Frame2"},           {browser_->drives(), "Drive2"}, {browser_->folders(), "Dir2"},
        {browser_->files(), "File2"}, {noSound_, "Check1"},           {oldClient_, "Check2"},
        {player_, "MMControl1"},
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
    player_->playButton()->setObjectName(QStringLiteral("MMControl1Play"));
    player_->pauseButton()->setObjectName(QStringLiteral("MMControl1Pause"));
    player_->stopButton()->setObjectName(QStringLiteral("MMControl1Stop"));

    connect(browser_, &platform::FileBrowser::fileChosen, this, &SoundPage::chooseSound);
    connect(noSound_, &platform::CheckBox::Click, this, &SoundPage::noSoundClicked);
    connect(oldClient_, &platform::CheckBox::Click, this, [this] {
        context_.document.edit([this](stationery::StationerySettings& s) {
            s.OutlookExpress4 = static_cast<std::int16_t>(oldClient_->Value());
        });
    });
}

void SoundPage::setCurrent(bool current) {
    player_->setVisible(current);
}

void SoundPage::load(const stationery::StationerySettings& s) {
    if (noSound_->Value() != (s.NoSound != 0 ? 1 : 0))
        noSound_->setValue(s.NoSound != 0 ? 1 : 0);
    if (oldClient_->Value() != (s.OutlookExpress4 != 0 ? 1 : 0))
        oldClient_->setValue(s.OutlookExpress4 != 0 ? 1 : 0);
}

OpenedFileProblems SoundPage::showOpened(const StationeryDocument& document) {
    OpenedFileProblems problems;
    const stationery::StationerySettings& s = document.settings();
    const QString named = QString::fromStdString(s.SoundPath);
    const QString file = QString::fromStdString(document.settingsInUse().SoundPath);
    if (named == QLatin1String(stationery::kNoSound.data()))
        return problems;
    if (QFileInfo(file).isFile()) {
        browser_->showFile(file);
        openSound(file, named);
    } else if (s.NoSound == 0) {
        problems.gone << named;
    }
    return problems;
}

void SoundPage::chooseSound(const QString& path) {
    openSound(path, path);
}

void SoundPage::openSound(const QString& path, const QString& named) {
    player_->stop();
    context_.setBusy(true);
    context_.document.edit(
        [&](stationery::StationerySettings& s) { s.SoundPath = named.toStdString(); });
    if (noSound_->Value() == 1)
        noSound_->setValue(0); // runs noSoundClicked, which finds a sound chosen
    emit touched(true);

    QStringView deviceType;
    if (path.endsWith(QLatin1String("mid"), Qt::CaseSensitive))
        deviceType = platform::MediaControl::SequencerDevice;
    else if (path.endsWith(QLatin1String("wav"), Qt::CaseSensitive))
        deviceType = platform::MediaControl::WaveAudioDevice;

    player_->close();
    player_->open(deviceType, path);
    context_.setBusy(false);
}

void SoundPage::noSoundClicked() {
    context_.document.edit([this](stationery::StationerySettings& s) {
        s.NoSound = static_cast<std::int16_t>(noSound_->Value());
    });
    if (noSound_->Value() == 1) {
        player_->stop();
        player_->close();
        emit touched(true);
    }
    if (noSound_->Value() == 0 && context_.document.settings().SoundPath == stationery::kNoSound)
        emit touched(false);
}
