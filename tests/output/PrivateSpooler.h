#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A CUPS daemon of the test's own on a free loopback port, with its configuration, spool
// and log in a temporary folder, and one default queue that writes each job as a PDF
// file the test can read. The machine's own spooler is never touched.
class PrivateSpooler {
public:
    ~PrivateSpooler() { stop(); }

    // Starts the daemon and adds the queue; otherwise says why not.
    bool start(QString* whyNot);
    void stop();
    // Waits until no job is pending; false when that takes unreasonably long.
    bool waitUntilIdle();

    QString server() const { return server_; }  // "127.0.0.1:port", for CUPS_SERVER
    QString queueName() const { return QStringLiteral("VexilorTestQueue"); }
    QString jobOutputPath() const { return folder_.filePath(QStringLiteral("out/job.pdf")); }
    QString log() const;

private:
    bool run(const QString& program, const QStringList& arguments, QString* output = nullptr);

    QTemporaryDir folder_;
    QProcess daemon_;
    QString server_;
};
