#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A CUPS daemon of the test's own on a free loopback port, with its configuration, spool
// and logs in a temporary folder, and one queue, made the default, whose jobs end up as
// PDF files the test can read. The machine's own spooler is never touched.
class PrivateSpooler {
public:
    PrivateSpooler() = default;
    ~PrivateSpooler() { stop(); }
    PrivateSpooler(const PrivateSpooler&) = delete;
    PrivateSpooler& operator=(const PrivateSpooler&) = delete;

    // Starts the daemon and adds the queue; on failure says why in `whyNot`.
    bool start(QString* whyNot);
    void stop();

    // "127.0.0.1:port", for CUPS_SERVER.
    QString server() const { return server_; }
    QString queueName() const { return QStringLiteral("VexilorTestQueue"); }
    // Where the queue writes each job (the next job replaces the last).
    QString jobOutputPath() const;
    // Waits until no job is pending any more; false when that takes unreasonably long.
    bool waitUntilIdle();
    // The daemon's own log, for messages when something fails.
    QString log() const;

private:
    bool runClient(const QString& program, const QStringList& arguments, QString* output = nullptr);
    bool writeConfiguration(int port, QString* whyNot);

    QTemporaryDir folder_;
    QProcess daemon_;
    QString server_;
};
