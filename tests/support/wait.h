#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTest>

// Runs the event loop until `done` holds or `milliseconds` pass; says which.
template <typename Condition> bool waitUntil(Condition done, int milliseconds = 3000) {
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(10);
    }
    return true;
}
