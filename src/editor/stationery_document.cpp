#include "editor/stationery_document.h"
#include "stationery/atomic_file.h"
#include "stationery/open_file.h"
#include "stationery/todays_clients_writer.h"
#include <QUrl>

#include "editor/edit_commands.h"
#include "editor/paths.h"
#include "platform/export_guards.h"
#include "stationery/file_names.h"
#include "stationery/reader.h"
#include "stationery/writer.h"

#include <QFileInfo>

#include <utility>

StationeryDocument::StationeryDocument(QObject* parent) : QObject(parent) {
    connect(&history_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

StationeryDocument::Parts
StationeryDocument::partsChanged(const stationery::StationerySettings& a,
                                 const stationery::StationerySettings& b) {
    Parts parts;
    const auto differ = [](const auto&... pairs) {
        return ((pairs.first != pairs.second) || ...);
    };
    if (differ(std::pair{a.picture, b.picture}, std::pair{a.pictureWidth, b.pictureWidth},
               std::pair{a.pictureHeight, b.pictureHeight}))
        parts |= Part::Picture;
    if (differ(std::pair{a.sound, b.sound}, std::pair{a.noSound, b.noSound},
               std::pair{a.soundAsHiddenPicture, b.soundAsHiddenPicture}))
        parts |= Part::Sound;
    if (a.tickers != b.tickers)
        parts |= Part::Ticker;
    if (differ(std::pair{a.leftMargin, b.leftMargin}, std::pair{a.topMargin, b.topMargin},
               std::pair{a.direction, b.direction}))
        parts |= Part::Margins;
    stationery::StationerySettings rest = b;
    // Everything else is the Color-Font tab's: colours, font, author and title.
    rest.picture = a.picture, rest.pictureWidth = a.pictureWidth,
    rest.pictureHeight = a.pictureHeight;
    rest.sound = a.sound, rest.noSound = a.noSound,
    rest.soundAsHiddenPicture = a.soundAsHiddenPicture;
    rest.tickers = a.tickers;
    rest.leftMargin = a.leftMargin, rest.topMargin = a.topMargin, rest.direction = a.direction;
    if (rest != a)
        parts |= Part::ColorFont;
    return parts;
}

StationeryDocument::Parts
StationeryDocument::partsSet(const stationery::StationerySettings& settings) {
    const stationery::PartsSet set = stationery::partsSet(settings);
    Parts parts;
    parts.setFlag(Part::Picture, set.image);
    parts.setFlag(Part::Sound, set.sound);
    parts.setFlag(Part::Ticker, set.ticker);
    parts.setFlag(Part::ColorFont, set.colorFont);
    parts.setFlag(Part::Margins, set.margins);
    return parts;
}

stationery::StationerySettings StationeryDocument::settingsInUse() const {
    return stationery::withResolvedPaths(settings_, fileSystemPath(folder_));
}

void StationeryDocument::edit(Edit what,
                              const std::function<void(stationery::StationerySettings&)>& change) {
    State after = state();
    change(after.settings);
    if (!partsChanged(settings_, after.settings))
        return;
    if (opening_ > 0) // part of the Open being made
        return restore(after, false);
    history_.push(editStep(*this, what, state(), std::move(after)));
}

void StationeryDocument::withdrawLast(Edit what) {
    const int last = history_.index() - 1;
    const auto* step =
        dynamic_cast<const SettingsEdit*>(last >= 0 ? history_.command(last) : nullptr);
    if (!step || !step->is(what))
        return;
    const_cast<SettingsEdit*>(step)->withdrawOnUndo();
    history_.undo();
}

void StationeryDocument::setDecodedPicture(const QImage& picture) {
    decodedPicture_ = picture;
    emit pictureDecoded();
}

void StationeryDocument::restore(const State& state, bool withFile) {
    const Parts parts = partsChanged(settings_, state.settings);
    if (settings_.picture != state.settings.picture)
        decodedPicture_ = QImage(); // of another picture
    const bool pathChanges = withFile && state.path != path_;
    if (withFile) {
        settings_ = state.settings;
        path_ = state.path;
        folder_ = state.folder;
        pathIsExport_ = state.pathIsExport;
    } else {
        settings_ = state.folder == folder_
                        ? state.settings
                        : stationery::withNamesFor(state.settings, fileSystemPath(state.folder),
                                                   fileSystemPath(folder_));
    }
    if (parts)
        emit changed(parts);
    if (pathChanges)
        emit pathChanged(path_);
    if (withFile)
        emit replaced();
}

void StationeryDocument::startNew(const stationery::StationerySettings& settings) {
    history_.push(new NewFromDesign(*this, state(), State{settings, {}, {}, false}));
}

QString StationeryDocument::saveSuggestion() const {
    if (!pathIsExport_)
        return path_;
    const QFileInfo file(path_);
    const QString classic = file.absolutePath() + QLatin1Char('/') + file.completeBaseName();
    return file.suffix().compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0 ||
                   file.suffix().compare(QLatin1String("html"), Qt::CaseInsensitive) == 0
               ? classic + QStringLiteral(" (stationery).htm")
               : classic + QStringLiteral(".htm");
}

StationeryDocument::Opened StationeryDocument::open(const QString& path) {
    const stationery::OpenedStationery opened = stationery::openStationeryFile(
        fileSystemPath(path), fileSystemPath(platform::picturesFolder()));
    const State before = state();
    // Shown as read; what showing it changes (a picture measured) is part of the Open.
    ++opening_;
    openingProblems_ = {};
    settings_ = opened.settings;
    path_ = path;
    folder_ = QFileInfo(path).absolutePath();
    pathIsExport_ = opened.madeForTodaysClients;
    decodedPicture_ = QImage();
    emit changed(kAllParts); // every page shows the file, once
    emit pathChanged(path_);
    --opening_;
    history_.push(new OpenStationery(*this, before, state()));
    history_.setClean();
    emit replaced();
    return {opened.madeForTodaysClients, std::exchange(openingProblems_, {})};
}

void StationeryDocument::save(const QString& path) {
    // Names relative to the old folder must still reach their files from the new one.
    const QString folder = QFileInfo(path).absolutePath();
    stationery::StationerySettings written =
        folder_.isEmpty()
            ? settings_
            : stationery::withNamesFor(settings_, fileSystemPath(folder_), fileSystemPath(folder));
    stationery::StationeryWriter::save(fileSystemPath(path), written);
    path_ = path;
    pathIsExport_ = false;
    folder_ = folder;
    if (const Parts parts = partsChanged(settings_, written)) {
        settings_ = std::move(written);
        emit changed(parts);
    }
    history_.setClean();
    emit pathChanged(path_);
}

stationery::ExportGuards StationeryDocument::exportGuards(
    const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles) const {
    stationery::ExportGuards guards = platform::exportGuards();
    if (!path_.isEmpty())
        guards.stationeryFile = fileSystemPath(path_);
    if (mayCarryPrivateFiles)
        guards.mayCarryPrivateFiles =
            [mayCarryPrivateFiles](const std::vector<std::filesystem::path>& files) {
                QStringList shown;
                for (const std::filesystem::path& file : files)
                    shown << qStringFromPath(file);
                return mayCarryPrivateFiles(shown);
            };
    return guards;
}

void StationeryDocument::exportTo(
    const QString& path, stationery::ExportForm form,
    const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles) const {
    stationery::exportStationery(fileSystemPath(path), settingsInUse(), form,
                                 exportGuards(mayCarryPrivateFiles));
}

stationery::StreamedContents StationeryDocument::messageTemplate(
    const std::function<bool(const QStringList& files)>& mayCarryPrivateFiles,
    const std::optional<stationery::AccountCopy>& copy) const {
    return stationery::messageTemplate(settingsInUse(), exportGuards(mayCarryPrivateFiles), copy);
}

void StationeryDocument::writePreview(const QString& page, const QStringList& text) const {
    stationery::StationerySettings shown = settingsInUse();
    // The page sits elsewhere: the picture by its full address.
    if (const std::string_view picture = stationery::picturePath(shown); !picture.empty())
        shown.picture =
            QUrl::fromLocalFile(
                QFileInfo(QString::fromStdString(std::string(picture))).absoluteFilePath())
                .toString(QUrl::FullyEncoded)
                .toStdString();
    std::vector<std::string> lines;
    for (const QString& each : text)
        lines.push_back(each.toStdString());
    stationery::replaceFileContents(
        fileSystemPath(page),
        stationery::TodaysClientsWriter::render(
            shown, stationery::TodaysClientsWriter::PictureNamed::InCssAndAttribute, lines));
}
