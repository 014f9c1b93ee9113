#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// An application installed on the desktop, as its .desktop file describes it.
struct DesktopApplication {
    QString id;   // "thunderbird.desktop"
    QString file; // where its .desktop file is
    QString name; // what people call it: "Thunderbird"
    QString exec; // its Exec line, field codes and all
};

// The desktop's default application for a media type, found as `xdg-mime query default`
// finds it, by the XDG rules: the [Default Applications] of the mimeapps.list files
// (the current desktops' own ones first) in the config and data folders, then their
// [Added Associations], then the applications that name the type themselves. Never
// guessed from a file's content, which takes a message template for a web page when no
// desktop session is named.
class DesktopApplications {
public:
    // The folders and desktops of `environment` (XDG_CONFIG_HOME, XDG_DATA_DIRS,
    // XDG_CURRENT_DESKTOP and the rest, with the standard defaults).
    explicit DesktopApplications(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    std::optional<DesktopApplication> defaultFor(const QString& mediaType) const;

    // The program and arguments that open `file` with `application`: its Exec line
    // split as the desktop entry rules say, with the file in place of %f or %u (or
    // after the rest when the line takes no file). Empty when the line is unusable.
    static QStringList commandFor(const DesktopApplication& application, const QString& file);

private:
    std::optional<DesktopApplication> installed(const QString& id) const;
    QStringList mimeappsLists() const;

    QStringList applicationFolders_; // data home first
    QStringList configFolders_;      // config home first
    QStringList desktops_;           // lower case, in XDG_CURRENT_DESKTOP's order
};

} // namespace platform
