#include "platform/mail_client.h"

#include "platform/desktop_applications.h"
#include "platform/url_opener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <iterator>
#include <memory>

namespace platform {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("platform::DesktopMailClient", text);
}

// The last lines a failed client wrote to standard error.
QString lastWords(const QString& log) {
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > 4096)
        file.seek(file.size() - 4096);
    const QStringList lines =
        QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(std::max<qsizetype>(0, lines.size() - 3)).join(QLatin1Char(' ')).trimmed();
}

// Starts the client and reports once it has failed, ended well or kept running for
// `watchMilliseconds`. The process object is never destroyed while the client runs,
// since destroying it would end the client with this program.
void startWatched(const DesktopApplication& client, const QStringList& command, const QString& log,
                  int watchMilliseconds, const MailClient::Opened& opened,
                  const MailClient::Failed& failed) {
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(log);
    auto reported = std::make_shared<bool>(false);
    const auto report = [reported](const std::function<void()>& how) {
        if (!*reported)
            *reported = true, how();
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [=](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        report([&] {
            failed(QCoreApplication::translate("platform::DesktopMailClient",
                                               "%1 could not be started (%2): %3")
                       .arg(client.name, command.first(), process->errorString()));
        });
        process->deleteLater();
    });
    QObject::connect(
        process, &QProcess::finished, process, [=](int exitCode, QProcess::ExitStatus status) {
            report([&] {
                if (status == QProcess::NormalExit && exitCode == 0)
                    return opened(client.name);
                QString reason = lastWords(log);
                if (reason.isEmpty())
                    reason = status == QProcess::NormalExit
                                 ? QCoreApplication::translate("platform::DesktopMailClient",
                                                               "it ended with status %1")
                                       .arg(exitCode)
                                 : QCoreApplication::translate("platform::DesktopMailClient",
                                                               "it crashed");
                failed(QCoreApplication::translate("platform::DesktopMailClient",
                                                   "%1 did not open the message: %2")
                           .arg(client.name, reason));
            });
            process->deleteLater();
        });
    QTimer::singleShot(watchMilliseconds, process, [=] { report([&] { opened(client.name); }); });
    process->start(command.first(), command.mid(1));
}

// Mail clients that take no message file on their command line, by program name:
// Evolution imports mailboxes that way, says "Cannot import any of the given URIs" of a
// message and opens nothing.
bool takesNoMessageFile(const QStringList& command) {
    static const QString kPrograms[] = {QStringLiteral("evolution")};
    const QString program = QFileInfo(command.first()).fileName();
    return std::find(std::begin(kPrograms), std::end(kPrograms), program) != std::end(kPrograms);
}

} // namespace

DesktopMailClient::DesktopMailClient(int watchMilliseconds)
    : watchMilliseconds_(watchMilliseconds) {}

void DesktopMailClient::open(const QString& file, Opened opened, Failed failed) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString mediaType = QStringLiteral("message/rfc822");
    if (const auto client = DesktopApplications().defaultFor(mediaType)) {
        const QStringList command = DesktopApplications::commandFor(*client, file);
        if (command.isEmpty())
            return failed(tr("%1's desktop file (%2) has no command line that can be used")
                              .arg(client->name, client->file));
        if (takesNoMessageFile(command))
            return failed(tr("%1 cannot open a message file given to it. File > Put in Mail "
                             "Account puts the stationery in your account's Templates folder, "
                             "which %1 shows")
                              .arg(client->name));
        return startWatched(*client, command, file + QStringLiteral(".log"), watchMilliseconds_,
                            opened, failed);
    }
    if (qEnvironmentVariableIsEmpty("XDG_CURRENT_DESKTOP"))
        return failed(tr("no application is set to open e-mail messages (message/rfc822) on "
                         "this desktop"));
    // The desktop's own opener goes by the file's name (.eml), not by its content.
    static DesktopUrlOpener desktopOpener;
    desktopOpener.open(QUrl::fromLocalFile(file), failed);
    opened(tr("the desktop's mail program"));
#else
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        opened(tr("the mail program"));
    else
        failed(tr("the system has no program for e-mail messages (.eml)"));
#endif
}

} // namespace platform
