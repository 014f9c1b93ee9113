#pragma once

#include "editor/editor_page.h"
#include "editor/page_context.h"

#include <QObject>

class QGroupBox;
class StationeryDocument;
namespace platform {
class DialogPrompter;
class AudioDevice;
class CheckBox;
class FileBrowser;
class MediaControl;
class VolumeList;
} // namespace platform
namespace stationery {
struct StationerySettings;
}

// The Sound tab: the sound is chosen in a file browser and opened in the media
// control for listening; "No Sound" leaves it out, "Outlook Express 4" writes it in
// the form that client needs.
class SoundPage : public EditorPage {
    Q_OBJECT
public:
    SoundPage(QWidget* page, PageContext context, const platform::VolumeList& volumes,
              platform::AudioDevice& audio, platform::DialogPrompter& dialogs);
    StationeryDocument::Parts shows() const override { return StationeryDocument::Part::Sound; }
    void load(const stationery::StationerySettings& settings) override;

    platform::FileBrowser& browser() const { return *browser_; }
    platform::MediaControl* mediaControl() const { return player_; }

    void chooseSound(const QString& path);
    void noSoundClicked();

private:
    // Opens the sound an opened stationery names, the lists at its folder; tells the
    // Open when it is gone.
    void showOpened();
    void openSound(const QString& path, const QString& named);
    // Opens `file` in the player, the lists following; none closes it.
    void showSound(const QString& file);

    PageContext context_;
    QGroupBox* frame_ = nullptr;
    platform::FileBrowser* browser_ = nullptr;
    platform::CheckBox* noSound_ = nullptr;
    platform::CheckBox* oldClient_ = nullptr;
    platform::MediaControl* player_ = nullptr;
    QString shownSound_; // as the document names the sound on show
    bool showingOpened_ = false;
};
