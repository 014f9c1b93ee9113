#pragma once

#include <QKeyCombination>

// Somewhere the stationery goes to become mail: the desktop's mail client, the user's
// IMAP account. Each is a class behind this interface and a row of the window's table
// of destinations (its File menu entry); adding one takes just those two.
class MailDestination {
public:
    virtual ~MailDestination() = default;
    // The File menu's entry: the stationery goes there.
    virtual void run() = 0;
    // Whether the program may quit now: one still at work asks first.
    virtual bool mayQuit() { return true; }
    // Stops any work under way, for the program's end.
    virtual void stop() {}
};

// A destination's File menu entry.
struct MailDestinationEntry {
    const char* caption; // for translating, in the MainWindow context
    QKeyCombination key;
    const char* name;
    MailDestination* destination;
};
