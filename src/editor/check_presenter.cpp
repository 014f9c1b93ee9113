#include "editor/check_presenter.h"

#include "dialogs/check_window.h"
#include "editor/stationery_document.h"
#include "platform/picture_colours.h"
#include "platform/window_placement.h"

#include <QFileInfo>
#include <QScreen>

CheckPresenter::CheckPresenter(const StationeryDocument& document, QWidget* editor)
    : QObject(editor), document_(document), editor_(editor) {
    connect(&document_, &StationeryDocument::changed, this, &CheckPresenter::refresh);
}

void CheckPresenter::show() {
    if (!window_) {
        window_ = new CheckWindow(editor_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        // Beside the editor, never over it: the point is to watch both at once. Its
        // frame is taken to be as wide as the editor's own.
        const QRect outer = editor_->frameGeometry();
        const QRect inner = editor_->geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        window_->setGeometry(platform::besideWithoutCovering(outer,
                                                             editor_->screen()->availableGeometry(),
                                                             window_->size().grownBy(frame))
                                 .marginsRemoved(frame));
    }
    window_->show();
    refresh();
    window_->raise();
    window_->activateWindow();
}

void CheckPresenter::refresh() {
    if (!window_ || !window_->isVisible())
        return;
    const stationery::StationerySettings s = document_.settingsInUse();
    window_->showFindings(stationery::checkStationery(s, facts(s)));
}

stationery::CheckFacts CheckPresenter::facts(const stationery::StationerySettings& s) {
    stationery::CheckFacts facts;
    // Sizes and existence from the file system; nothing is read.
    const QFileInfo picture(QString::fromStdString(std::string(stationery::picturePath(s))));
    facts.pictureExists = picture.isFile();
    facts.pictureBytes = facts.pictureExists ? std::uintmax_t(picture.size()) : 0;
    const QFileInfo sound(QString::fromStdString(std::string(stationery::soundPath(s))));
    facts.soundExists = sound.isFile();
    facts.soundBytes = facts.soundExists ? std::uintmax_t(sound.size()) : 0;
    // Colours from the picture as decoded for the preview, measured once for each.
    const QImage& shown = document_.decodedPicture();
    if (!shown.isNull()) {
        if (shown.cacheKey() != coloursKey_) {
            colours_ = platform::pictureColours(shown);
            coloursKey_ = shown.cacheKey();
        }
        facts.picture = colours_;
    }
    return facts;
}

CheckWindow* CheckPresenter::window() const {
    return window_;
}
