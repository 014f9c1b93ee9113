#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C in the terminal, the
// terminal closing) into a signal
// on the event loop, so the program can end as its own Exit command does instead of
// being cut off. One instance at a time; elsewhere than on POSIX systems it does
// nothing.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace platform
