#include "editor/edit_commands.h"

#include <QCoreApplication>

using Edit = StationeryDocument::Edit;
using State = StationeryDocument::State;

namespace {

// Typing makes one step of each field's keystrokes; other edits are steps of their own.
bool isTyping(Edit what) {
    switch (what) {
    case Edit::TickerText1:
    case Edit::TickerText2:
    case Edit::TickerText3:
    case Edit::Author:
    case Edit::Title:
    case Edit::LeftMargin:
    case Edit::TopMargin:
    case Edit::PictureWidth:
    case Edit::PictureHeight:
        return true;
    default:
        return false;
    }
}

} // namespace

DocumentStep::DocumentStep(StationeryDocument& document, State before, State after,
                           const QString& name, bool withFile)
    : QUndoCommand(name), document_(document), before_(std::move(before)), after_(std::move(after)),
      withFile_(withFile) {}

void DocumentStep::undo() {
    document_.restore(before_, withFile_);
    if (withdraw_)
        setObsolete(true);
}

void DocumentStep::redo() {
    document_.restore(after_, withFile_);
}

SettingsEdit::SettingsEdit(StationeryDocument& document, Edit what, State before, State after,
                           const QString& name)
    : DocumentStep(document, std::move(before), std::move(after), name), what_(what) {}

int SettingsEdit::id() const {
    return isTyping(what_) ? 1000 + int(what_) : -1;
}

bool SettingsEdit::mergeWith(const QUndoCommand* other) {
    const auto* typed = dynamic_cast<const SettingsEdit*>(other);
    if (!typed || typed->what_ != what_)
        return false;
    after_ = typed->after_;
    // Typed back to where it began: no step at all.
    setObsolete(after_.settings == before_.settings);
    return true;
}

ChangePicture::ChangePicture(StationeryDocument& document, Edit what, State before, State after)
    : SettingsEdit(document, what, std::move(before), std::move(after),
                   what == Edit::Picture ? tr("Change Picture") : tr("Change Picture Size")) {}

ChangeSound::ChangeSound(StationeryDocument& document, Edit what, State before, State after)
    : SettingsEdit(document, what, std::move(before), std::move(after),
                   what == Edit::NoSound     ? tr("Change No Sound")
                   : what == Edit::SoundForm ? tr("Change Sound Form")
                                             : tr("Change Sound")) {}

ChangeTickerText::ChangeTickerText(StationeryDocument& document, Edit what, State before,
                                   State after)
    : SettingsEdit(document, what, std::move(before), std::move(after), tr("Change Ticker Text")) {}

ChangeColorOrFont::ChangeColorOrFont(StationeryDocument& document, Edit what, State before,
                                     State after)
    : SettingsEdit(document, what, std::move(before), std::move(after),
                   what == Edit::TextColor         ? tr("Change Text Colour")
                   : what == Edit::BackgroundColor ? tr("Change Background Colour")
                   : what == Edit::Font            ? tr("Change Font")
                   : what == Edit::Author          ? tr("Change Author")
                                                   : tr("Change Title")) {}

ChangeMargins::ChangeMargins(StationeryDocument& document, Edit what, State before, State after)
    : SettingsEdit(document, what, std::move(before), std::move(after),
                   what == Edit::Direction ? tr("Change Scroll Direction") : tr("Change Margin")) {}

OpenStationery::OpenStationery(StationeryDocument& document, State before, State after)
    : DocumentStep(document, std::move(before), std::move(after), tr("Open"), true) {}

NewFromDesign::NewFromDesign(StationeryDocument& document, State before, State after)
    : DocumentStep(document, std::move(before), std::move(after), tr("New from Design"), true) {}

QUndoCommand* editStep(StationeryDocument& document, Edit what, State before, State after) {
    switch (what) {
    case Edit::Picture:
    case Edit::PictureWidth:
    case Edit::PictureHeight:
        return new ChangePicture(document, what, std::move(before), std::move(after));
    case Edit::Sound:
    case Edit::NoSound:
    case Edit::SoundForm:
        return new ChangeSound(document, what, std::move(before), std::move(after));
    case Edit::TickerText1:
    case Edit::TickerText2:
    case Edit::TickerText3:
        return new ChangeTickerText(document, what, std::move(before), std::move(after));
    case Edit::TextColor:
    case Edit::BackgroundColor:
    case Edit::Font:
    case Edit::Author:
    case Edit::Title:
        return new ChangeColorOrFont(document, what, std::move(before), std::move(after));
    case Edit::LeftMargin:
    case Edit::TopMargin:
    case Edit::Direction:
        return new ChangeMargins(document, what, std::move(before), std::move(after));
    }
    return nullptr;
}
