#pragma once
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A print scheduler of the system's printing service of our own: its own configuration
// folder, spool and port, so that tests print real jobs without touching the machine's
// scheduler. It must run as root, because the PDF queue's backend only runs for root.
class PrivateScheduler {
public:
    ~PrivateScheduler() { stop(); }

    // Starts it; false with the reason in why() when it cannot run here.
    bool start();
    void stop();
    const QString &why() const { return why_; }
    // "localhost:<port>", for CUPS_SERVER and the -h option of the command-line tools.
    QString server() const { return QString("localhost:%1").arg(port_); }

    // Adds a queue that writes each job as a PDF file; false with the reason in why().
    bool addPdfQueue(const QString &name);
    bool removeQueue(const QString &name);
    // Waits until every job has left the queues; false on time-out.
    bool waitForJobs(int seconds);
    QString errorLog() const;

private:
    bool run(const QString &program, const QStringList &arguments);
    bool writeConfiguration();
    bool waitUntilListening();

    QTemporaryDir folder_;
    QProcess daemon_;
    int port_ = 0;
    QString why_;
};
