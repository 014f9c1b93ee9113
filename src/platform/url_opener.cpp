#include "platform/url_opener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>

namespace platform {

DesktopUrlOpener::DesktopUrlOpener(QString opener) : opener_(std::move(opener)) {}

void DesktopUrlOpener::open(const QUrl& url, FailureHandler failed) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The process lives until it ends, however long a browser it starts keeps it.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed, opener = opener_](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         failed(QCoreApplication::translate("platform::DesktopUrlOpener",
                                                            "%1 could not be started: %2")
                                    .arg(opener, process->errorString()));
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             QString reason =
                                 QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
                             if (reason.isEmpty())
                                 reason =
                                     QCoreApplication::translate("platform::DesktopUrlOpener",
                                                                 "the opener ended with status %1")
                                         .arg(exitCode);
                             failed(reason);
                         }
                         process->deleteLater();
                     });
    process->start(opener_, {url.toString(QUrl::FullyEncoded)});
#else
    if (!QDesktopServices::openUrl(url))
        failed(QCoreApplication::translate("platform::DesktopUrlOpener",
                                           "the system has no program for web pages"));
#endif
}

} // namespace platform
