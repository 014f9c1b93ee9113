#pragma once

#include "editor/opened_files.h"
#include "stationery/export.h"
#include "stationery/settings.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

// The stationery being edited: its settings, the file it was last opened from or saved
// to, and whether it has changed since. Every page writes its edits here and shows
// what is here; Open, Save, Export and Preview read and write files through it.
class StationeryDocument : public QObject {
    Q_OBJECT
public:
    // The parts of a stationery, as the editor's tabs deal with them.
    enum class Part {
        Picture = 1,   // the picture and its size
        Sound = 2,     // the sound, "No Sound" and the old client's form
        Ticker = 4,    // the three ticker texts
        ColorFont = 8, // colours, font, author and title
        Margins = 16,  // the margins and the scroll direction
    };
    Q_DECLARE_FLAGS(Parts, Part)
    static constexpr Parts kAllParts = Parts(31);

    // The parts a record sets other than as an untouched window has them.
    static Parts partsSet(const stationery::StationerySettings& settings);
    // The parts in which two records differ.
    static Parts partsChanged(const stationery::StationerySettings& before,
                              const stationery::StationerySettings& after);

    explicit StationeryDocument(QObject* parent = nullptr);

    const stationery::StationerySettings& settings() const { return settings_; }
    // The settings with names that are not full paths taken from the folder of the
    // file last opened: the files Check, Preview and Export use.
    stationery::StationerySettings settingsInUse() const;
    // The file of the last open or save; empty before either.
    QString path() const { return path_; }
    bool isModified() const { return !history_.isClean(); }

    // A new stationery with `settings`, not yet saved anywhere: modified, with no file.
    void startNew(const stationery::StationerySettings& settings);
    // Where Save suggests writing: the file last opened or saved, unless that was an
    // export (a page for today's clients or a template), which Save never writes over.
    QString saveSuggestion() const;
    // What an edit changes: each is a step of its own in the undo history, named in the
    // Edit menu; typing into one field makes one step.
    enum class Edit {
        Picture,
        PictureWidth,
        PictureHeight,
        Sound,
        NoSound,
        SoundForm,
        TickerText1,
        TickerText2,
        TickerText3,
        TextColor,
        BackgroundColor,
        Font,
        Author,
        Title,
        LeftMargin,
        TopMargin,
        Direction,
    };
    // The document's file and settings: what a step of the history changes.
    struct State {
        stationery::StationerySettings settings;
        QString path;
        QString folder;
        bool pathIsExport = false;
    };
    // Changes the settings as the user did, as a step `what` of the undo history;
    // announces it when anything changed. While Open shows what it read, an edit is part
    // of the Open.
    void edit(Edit what, const std::function<void(stationery::StationerySettings&)>& change);
    // Takes back the last step, when it is a `what` (a picture that turned out not to
    // decode), leaving nothing to redo.
    void withdrawLast(Edit what);
    // The chosen picture as the Image tab decoded it for its preview (what Check
    // measures the colours of); null while none is decoded.
    const QImage& decodedPicture() const { return decodedPicture_; }
    void setDecodedPicture(const QImage& picture);

    // While Open shows what it read: the pages show the whole stationery, and tell here
    // what it names but cannot be used.
    bool isOpening() const { return opening_ > 0; }
    OpenedFileProblems& openingProblems() { return openingProblems_; }
    // Undo and Redo act on this; its clean state is the file's.
    QUndoStack& history() { return history_; }
    // Puts the document back to `state`, announcing what changed (for the history's
    // steps): its settings only, their names as they reach their files from the
    // document's folder now, or (`withFile`) its file too.
    void restore(const State& state, bool withFile);
    State state() const { return {settings_, path_, folder_, pathIsExport_}; }

    // Reads a stationery file (the classic one, the page for today's mail clients or a
    // message template) and makes it the document, one step of the history. The pages
    // show it as it changes (measuring a picture, opening a sound); the document is
    // unmodified after. Throws stationery::ReadError and leaves the document as it was
    // when the file cannot be read.
    struct Opened {
        bool madeForTodaysClients = false; // which carry no sound or ticker
        OpenedFileProblems problems;       // what the pages could not show
    };
    Opened open(const QString& path);
    // Writes the document to `path`, which it then is, unmodified. Throws SaveError.
    void save(const QString& path);
    // Writes the document in another form; the document's own file stays as it was and
    // is never written over. A file from a hidden or system folder is carried only when
    // `mayCarryPrivateFiles` agrees. Throws ExportError.
    void
    exportTo(const QString& path, stationery::ExportForm form,
             const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles = {}) const;
    // The message template, its picture checked as an export checks it, to be written
    // piece by piece where it goes. Throws ExportError.
    stationery::StreamedContents
    messageTemplate(const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles = {},
                    const std::optional<stationery::AccountCopy>& copy = std::nullopt) const;
    // Writes what a recipient gets, to a page shown from elsewhere: the form for today's
    // mail clients, the picture by its full address, with `text` where typing starts.
    // Throws FileWriteError.
    void writePreview(const QString& page, const QStringList& text) const;

signals:
    // A change of the settings, by an edit or by Open, in the parts named.
    void changed(StationeryDocument::Parts parts);
    void modifiedChanged(bool modified);
    void pathChanged(const QString& path);
    // The whole stationery was replaced: by Open, by a design, or by undoing either.
    void replaced();
    void pictureDecoded();

private:
    stationery::ExportGuards
    exportGuards(const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles) const;
    stationery::StationerySettings settings_;
    QString path_;
    bool pathIsExport_ = false;
    // The folder of the file last opened: names in it that are not full paths (an
    // exported page names its files so) are relative to it.
    QString folder_;
    QUndoStack history_;
    int opening_ = 0; // while Open shows what it read
    OpenedFileProblems openingProblems_;
    QImage decodedPicture_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(StationeryDocument::Parts)
