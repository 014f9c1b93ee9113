#include "dovecot_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

DovecotServer::DovecotServer(Options options) : options_(options) {
    imapsPort_ = freePort();
    imapPort_ = freePort();
    QDir(folder_.path()).mkpath(QStringLiteral("mail"));
    QDir(folder_.path()).mkpath(QStringLiteral("run"));
    makeCertificate();
    start();
}

DovecotServer::~DovecotServer() {
    stop();
}

void DovecotServer::makeCertificate() {
    const QString dir = folder_.path();
    QFile::remove(dir + QStringLiteral("/key.pem"));
    QFile::remove(dir + QStringLiteral("/cert.pem"));
    run(QStringLiteral("openssl"),
        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
         QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
         QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
         QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
         QStringLiteral("-keyout"), dir + QStringLiteral("/key.pem"), QStringLiteral("-out"),
         dir + QStringLiteral("/cert.pem")});
    const QString print =
        run(QStringLiteral("openssl"),
            {QStringLiteral("x509"), QStringLiteral("-noout"), QStringLiteral("-fingerprint"),
             QStringLiteral("-sha256"), QStringLiteral("-in"), dir + QStringLiteral("/cert.pem")});
    fingerprint_ = print.section(QLatin1Char('='), 1).trimmed();
}

void DovecotServer::start() {
    const QString dir = folder_.path();
    // Root runs the login and mail processes as Dovecot's own users, others as themselves.
    const bool root = ::geteuid() == 0;
    const QString self = run(QStringLiteral("id"), {QStringLiteral("-un")}).trimmed();
    const QString group = run(QStringLiteral("id"), {QStringLiteral("-gn")}).trimmed();
    const QString uid = root ? QStringLiteral("65534") : QString::number(::getuid());
    const QString gid = root ? QStringLiteral("65534") : QString::number(::getgid());
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                   QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                   QFileDevice::ExeGroup);
    QFile::setPermissions(dir + QStringLiteral("/mail"), QFileDevice::Permissions(0x7777));
    QFile passwd(dir + QStringLiteral("/passwd"));
    passwd.open(QIODevice::WriteOnly);
    passwd.write(QStringLiteral("%1:{PLAIN}%2:%3:%4::%5/mail/%1\n")
                     .arg(user(), password(), uid, gid, dir)
                     .toUtf8());
    passwd.close();
    QString conf =
        QStringLiteral(R"(base_dir = %1/run
state_dir = %1/run
log_path = %1/dovecot.log
info_log_path = %1/dovecot.log
auth_verbose = yes
protocols = imap
listen = 127.0.0.1
ssl = %2
ssl_cert = <%1/cert.pem
ssl_key = <%1/key.pem
disable_plaintext_auth = %3
passdb {
  driver = passwd-file
  args = scheme=PLAIN username_format=%u %1/passwd
}
userdb {
  driver = passwd-file
  args = username_format=%u %1/passwd
}
mail_location = maildir:%1/mail/%u
namespace inbox {
  inbox = yes
  separator = /
  mailbox Drafts {
    special_use = \Drafts
    auto = create
  }
}
service imap-login {
  chroot =
  inet_listener imap {
    port = %4
  }
  inet_listener imaps {
    port = %5
    ssl = yes
  }
}
service anvil {
  chroot =
}
default_internal_user = %6
default_login_user = %7
default_internal_group = %8
)")
            .arg(dir, options_.tls ? QStringLiteral("yes") : QStringLiteral("no"),
                 options_.tls ? QStringLiteral("yes") : QStringLiteral("no"))
            .arg(imapPort_)
            .arg(options_.tls ? imapsPort_ : 0)
            .arg(root ? QStringLiteral("dovecot") : self, root ? QStringLiteral("dovenull") : self,
                 root ? QStringLiteral("dovecot") : group);
    if (options_.quotaKilobytes > 0)
        conf += QStringLiteral("mail_plugins = quota\nplugin {\n  quota = maildir:User quota\n"
                               "  quota_rule = *:storage=%1k\n}\n")
                    .arg(options_.quotaKilobytes);
    QFile file(dir + QStringLiteral("/dovecot.conf"));
    file.open(QIODevice::WriteOnly);
    file.write(conf.toUtf8());
    file.close();

    const pid_t child = ::fork();
    if (child == 0) {
        const QByteArray config = (dir + QStringLiteral("/dovecot.conf")).toLocal8Bit();
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        ::execlp("dovecot", "dovecot", "-F", "-c", config.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    pid_ = child;
    // Ready once it takes connections.
    for (int attempt = 0; attempt < 100; ++attempt) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            why_ = QStringLiteral("dovecot ended at once: ") + log();
            pid_ = 0;
            return;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, quint16(imapPort_));
        if (probe.waitForConnected(100))
            return;
        QThread::msleep(50);
    }
    why_ = QStringLiteral("dovecot did not take connections: ") + log();
}

void DovecotServer::stop() {
    if (pid_ <= 0)
        return;
    ::kill(pid_t(pid_), SIGTERM);
    int status = 0;
    ::waitpid(pid_t(pid_), &status, 0);
    pid_ = 0;
}

void DovecotServer::replaceCertificate() {
    stop();
    makeCertificate();
    start();
}

QStringList DovecotServer::messageFiles(const QString& folder) const {
    QStringList files;
    const QString box = folder_.path() + QStringLiteral("/mail/") + user() +
                        (folder.isEmpty() ? QString() : QStringLiteral("/.") + folder);
    for (const char* part : {"/new", "/cur"})
        for (const QString& name : QDir(box + QLatin1String(part)).entryList(QDir::Files))
            files << box + QLatin1String(part) + QLatin1Char('/') + name;
    return files;
}

QString DovecotServer::log() const {
    QFile file(folder_.path() + QStringLiteral("/dovecot.log"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}
