#pragma once

#include <QStringList>

// What an opened stationery names but cannot be used: files that are gone, and files
// that are there but cannot be read as a picture; and files it names in hidden or
// system folders, where private files are kept.
struct OpenedFileProblems {
    QStringList gone;
    QStringList unreadable;
    QStringList inPrivatePlaces;

    bool empty() const {
        return gone.isEmpty() && unreadable.isEmpty() && inPrivatePlaces.isEmpty();
    }
    OpenedFileProblems& operator+=(const OpenedFileProblems& other) {
        gone += other.gone;
        unreadable += other.unreadable;
        inPrivatePlaces += other.inPrivatePlaces;
        return *this;
    }
};
