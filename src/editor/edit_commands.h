#pragma once

#include "editor/stationery_document.h"

#include <QCoreApplication>
#include <QUndoCommand>

// The steps of the undo history. Each holds the document as it was before and after,
// and puts it back on Undo and forward again on Redo.
class DocumentStep : public QUndoCommand {
public:
    // `withFile`: the step changes which file the document is, not only its settings.
    DocumentStep(StationeryDocument& document, StationeryDocument::State before,
                 StationeryDocument::State after, const QString& name, bool withFile = false);
    void undo() override;
    void redo() override;
    // The next Undo takes the step back and leaves nothing to redo.
    void withdrawOnUndo() { withdraw_ = true; }

protected:
    StationeryDocument& document_;
    StationeryDocument::State before_;
    StationeryDocument::State after_;
    bool withFile_;
    bool withdraw_ = false;
};

// An edit of one part of the settings. Typing into one field, keystroke after
// keystroke, makes one step, as text editors do.
class SettingsEdit : public DocumentStep {
public:
    SettingsEdit(StationeryDocument& document, StationeryDocument::Edit what,
                 StationeryDocument::State before, StationeryDocument::State after,
                 const QString& name);
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;
    bool is(StationeryDocument::Edit what) const { return what_ == what; }

private:
    StationeryDocument::Edit what_;
};

class ChangePicture : public SettingsEdit {
    Q_DECLARE_TR_FUNCTIONS(ChangePicture)

public:
    ChangePicture(StationeryDocument& document, StationeryDocument::Edit what,
                  StationeryDocument::State before, StationeryDocument::State after);
};

class ChangeSound : public SettingsEdit {
    Q_DECLARE_TR_FUNCTIONS(ChangeSound)

public:
    ChangeSound(StationeryDocument& document, StationeryDocument::Edit what,
                StationeryDocument::State before, StationeryDocument::State after);
};

class ChangeTickerText : public SettingsEdit {
    Q_DECLARE_TR_FUNCTIONS(ChangeTickerText)

public:
    ChangeTickerText(StationeryDocument& document, StationeryDocument::Edit what,
                     StationeryDocument::State before, StationeryDocument::State after);
};

class ChangeColorOrFont : public SettingsEdit {
    Q_DECLARE_TR_FUNCTIONS(ChangeColorOrFont)

public:
    ChangeColorOrFont(StationeryDocument& document, StationeryDocument::Edit what,
                      StationeryDocument::State before, StationeryDocument::State after);
};

class ChangeMargins : public SettingsEdit {
    Q_DECLARE_TR_FUNCTIONS(ChangeMargins)

public:
    ChangeMargins(StationeryDocument& document, StationeryDocument::Edit what,
                  StationeryDocument::State before, StationeryDocument::State after);
};

// Open of a file, with what showing it changed, as one step.
class OpenStationery : public DocumentStep {
    Q_DECLARE_TR_FUNCTIONS(OpenStationery)

public:
    OpenStationery(StationeryDocument& document, StationeryDocument::State before,
                   StationeryDocument::State after);
};

// A design, starting a new stationery, as one step.
class NewFromDesign : public DocumentStep {
    Q_DECLARE_TR_FUNCTIONS(NewFromDesign)

public:
    NewFromDesign(StationeryDocument& document, StationeryDocument::State before,
                  StationeryDocument::State after);
};

// The step for an edit of `what`.
QUndoCommand* editStep(StationeryDocument& document, StationeryDocument::Edit what,
                       StationeryDocument::State before, StationeryDocument::State after);
