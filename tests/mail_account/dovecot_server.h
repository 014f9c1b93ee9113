#pragma once

#include <QString>
#include <QTemporaryDir>

// A throwaway Dovecot IMAP server on 127.0.0.1, started by the test and stopped by its
// process number: its own configuration, a self-signed certificate, one passwd-file user,
// maildirs and its log, all in a temporary folder, on free high ports. The "Drafts"
// folder is there and marked \Drafts.
class DovecotServer {
public:
    struct Options {
        bool tls = true;
        long quotaKilobytes = 0; // 0: no quota
    };
    DovecotServer() : DovecotServer(Options{}) {}
    explicit DovecotServer(Options options);
    ~DovecotServer();
    DovecotServer(const DovecotServer&) = delete;
    DovecotServer& operator=(const DovecotServer&) = delete;

    bool started() const { return pid_ > 0; }
    QString whyNotStarted() const { return why_; }
    int imapsPort() const { return imapsPort_; }
    int imapPort() const { return imapPort_; }
    static QString user() { return QStringLiteral("tester"); }
    static QString password() { return QStringLiteral("correct-horse"); }
    // The certificate's SHA-256 fingerprint, "AB:CD:…".
    QString fingerprint() const { return fingerprint_; }
    // Gives the server a new certificate, as a server renewing its own would.
    void replaceCertificate();
    // The files of the folder's messages ("Templates", "Drafts"; "" for the inbox).
    QStringList messageFiles(const QString& folder) const;
    QString log() const;

private:
    void makeCertificate();
    void start();
    void stop();

    Options options_;
    QTemporaryDir folder_;
    int imapsPort_ = 0;
    int imapPort_ = 0;
    long long pid_ = 0;
    QString fingerprint_;
    QString why_;
};
