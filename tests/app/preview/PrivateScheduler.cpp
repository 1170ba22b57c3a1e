#include "PrivateScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const cupsd = "/usr/sbin/cupsd";
const char *const pdfBackend = "/usr/lib/cups/backend/cups-pdf";
const char *const pdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";

int freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool writeFile(const QString &name, const QString &text) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

bool PrivateScheduler::start() {
    if (geteuid() != 0) {
        why_ = "a private print scheduler needs root (its PDF backend runs only as root)";
        return false;
    }
    for (const char *needed : {cupsd, pdfBackend, pdfDriver})
        if (!QFile::exists(needed)) {
            why_ = QString("%1 is missing (scripts/install-deps installs cups and printer-driver-cups-pdf)").arg(needed);
            return false;
        }
    port_ = freePort();
    if (!folder_.isValid() || port_ == 0 || !writeConfiguration()) {
        why_ = "no room for the scheduler's configuration";
        return false;
    }
    daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon_.start(cupsd, {"-f", "-c", folder_.filePath("cupsd.conf"), "-s", folder_.filePath("cups-files.conf")});
    if (!daemon_.waitForStarted(5000) || !waitUntilListening()) {
        why_ = "the print scheduler did not start: " + errorLog();
        stop();
        return false;
    }
    return true;
}

// The filters run as the scheduler's unprivileged user: they must reach the driver file and
// a temporary folder.
bool PrivateScheduler::writeConfiguration() {
    const QString root = folder_.path();
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QDir(root).mkpath("spool");
    QDir(root).mkpath("tmp");
    QDir(root).mkpath("cache");
    QDir(root).mkpath("state");
    if (chmod(QFile::encodeName(root + "/tmp").constData(), 01777) != 0) return false;
    const QString conf = QString("Listen 127.0.0.1:%1\nLogLevel info\nWebInterface No\nBrowsing Off\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                             .arg(port_);
    const QString files = QString("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                  "TempDir %1/tmp\nAccessLog %1/access_log\nErrorLog %1/error_log\n"
                                  "PageLog %1/page_log\nSystemGroup root\n")
                              .arg(root);
    return writeFile(root + "/cupsd.conf", conf) && writeFile(root + "/cups-files.conf", files);
}

bool PrivateScheduler::waitUntilListening() {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && daemon_.state() == QProcess::Running) {
        QProcess status;
        status.start("lpstat", {"-h", server(), "-r"});
        if (status.waitForFinished(3000) && status.readAllStandardOutput().contains("is running")) return true;
        QThread::msleep(100);
    }
    return false;
}

void PrivateScheduler::stop() {
    if (daemon_.state() == QProcess::NotRunning) return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) {
        daemon_.kill();
        daemon_.waitForFinished(2000);
    }
}

bool PrivateScheduler::run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ran = process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    if (!ran) why_ = program + ": " + QString::fromUtf8(process.readAll());
    return ran;
}

// The queue turns the job into PostScript and back into PDF. The cairo converter keeps the
// glyph names, so that the text of the resulting file can be read back; the default
// converter's fonts come out without them.
bool PrivateScheduler::addPdfQueue(const QString &name) {
    return run("lpadmin", {"-h", server(), "-p", name, "-E", "-v", "cups-pdf:/", "-P", pdfDriver, "-o",
                           "pdftops-renderer-default=pdftocairo"});
}

bool PrivateScheduler::removeQueue(const QString &name) { return run("lpadmin", {"-h", server(), "-x", name}); }

bool PrivateScheduler::waitForJobs(int seconds) {
    const QDeadlineTimer deadline(seconds * 1000);
    while (!deadline.hasExpired()) {
        QProcess jobs;
        jobs.start("lpstat", {"-h", server(), "-W", "not-completed", "-o"});
        if (jobs.waitForFinished(3000) && jobs.exitCode() == 0 && jobs.readAllStandardOutput().trimmed().isEmpty())
            return true;
        QThread::msleep(200);
    }
    return false;
}

QString PrivateScheduler::errorLog() const {
    QFile log(folder_.filePath("error_log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(3000)) : QString();
}
