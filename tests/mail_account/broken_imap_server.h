#pragma once

#include <QProcess>
#include <QStringList>

// A server of broken_imap.py's on 127.0.0.1, misbehaving as its scenario says, stopped
// when this goes. TLS from the first byte unless `plain`.
class BrokenImapServer {
public:
    explicit BrokenImapServer(const QString& scenario, bool plain = false) {
        QStringList arguments{QStringLiteral(STATIONERY_BROKEN_IMAP), scenario};
        if (plain)
            arguments << QStringLiteral("--plain");
        process_.start(QStringLiteral(STATIONERY_PYTHON), arguments);
        if (process_.waitForReadyRead(20000)) {
            const QStringList first = QString::fromUtf8(process_.readLine()).trimmed().split(u' ');
            port_ = first.value(0).toInt();
            fingerprint_ = first.value(1);
        }
    }
    ~BrokenImapServer() {
        process_.kill();
        process_.waitForFinished();
    }
    int port() const { return port_; }
    QString fingerprint() const { return fingerprint_; }
    // Every line the server was sent so far.
    QStringList received() {
        process_.waitForReadyRead(200);
        received_ += QString::fromUtf8(process_.readAll());
        return received_.split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QProcess process_;
    int port_ = 0;
    QString fingerprint_;
    QString received_;
};
