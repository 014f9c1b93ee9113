#pragma once

#include "stationery/export.h"
#include "stationery/settings.h"

#include <QObject>
#include <QString>

#include <functional>

// The stationery being edited: its settings, the file it was last opened from or saved
// to, and whether it has changed since. Every page writes its edits here and shows
// what is here; Open, Save, Export and Preview read and write files through it.
class StationeryDocument : public QObject {
    Q_OBJECT
public:
    explicit StationeryDocument(QObject* parent = nullptr);

    const stationery::StationerySettings& settings() const { return settings_; }
    // The settings with names that are not full paths taken from the folder of the
    // file last opened: the files Check, Preview and Export use.
    stationery::StationerySettings settingsInUse() const;
    // The file of the last open or save; empty before either.
    QString path() const { return path_; }
    bool isModified() const { return modified_; }

    // Changes the settings as the user did; announces it when anything changed.
    void edit(const std::function<void(stationery::StationerySettings&)>& change);

    // Reads a stationery file and makes it the document. `show` then sets the pages
    // from it (measuring a picture, opening a sound); the document is unmodified
    // after. Throws stationery::ReadError and leaves the document as it was when the
    // file cannot be read.
    void open(const QString& path, const std::function<void()>& show = {});
    // Writes the document to `path`, which it then is, unmodified. Throws SaveError.
    void save(const QString& path);
    // Writes the document in another form; the document's own file stays as it was and
    // is never written over. A file from a hidden or system folder is carried only when
    // `mayCarryPrivateFiles` agrees. Throws ExportError.
    void
    exportTo(const QString& path, stationery::ExportForm form,
             const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles = {}) const;
    // Writes what Save would write, its names made full paths, to a page shown from
    // elsewhere. Throws SaveError.
    void writePreview(const QString& page) const;

signals:
    // Any change of the settings, by an edit or by Open.
    void changed();
    void modifiedChanged(bool modified);
    void pathChanged(const QString& path);

private:
    void setModified(bool modified);

    stationery::StationerySettings settings_;
    QString path_;
    // The folder of the file last opened: names in it that are not full paths (an
    // exported page names its files so) are relative to it.
    QString folder_;
    bool modified_ = false;
};
