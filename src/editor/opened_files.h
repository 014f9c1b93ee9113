#pragma once

#include <QStringList>

// What an opened stationery names but cannot be used: files that are gone, and files
// that are there but cannot be read as a picture.
struct OpenedFileProblems {
    QStringList gone;
    QStringList unreadable;

    bool empty() const { return gone.isEmpty() && unreadable.isEmpty(); }
    OpenedFileProblems& operator+=(const OpenedFileProblems& other) {
        gone += other.gone;
        unreadable += other.unreadable;
        return *this;
    }
};
