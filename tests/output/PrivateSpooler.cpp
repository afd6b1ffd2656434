#include "PrivateSpooler.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QThread>

namespace {

// cups-filters' PDF printer: jobs pass its PDF filter and come out as PDF.
const QString kPdfPrinter =
    QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");

QString findProgram(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"}) : found;
}

int freeLoopbackPort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    close(probe);
    return bound ? ntohs(address.sin_port) : 0;
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
}

}  // namespace

QString PrivateSpooler::log() const {
    QFile file(folder_.filePath(QStringLiteral("error_log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().right(3000)) : "";
}

bool PrivateSpooler::run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), server_);
    client.setProcessEnvironment(environment);
    client.start(findProgram(program), arguments);
    const bool done = client.waitForFinished(30000) &&
                      client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
    if (output != nullptr)
        *output = QString::fromUtf8(client.readAllStandardOutput());
    return done;
}

bool PrivateSpooler::start(QString* whyNot) {
    for (const QString program : {"cupsd", "lpadmin", "lpstat"})
        if (findProgram(program).isEmpty())
            return *whyNot = program + " is not installed (cups, cups-client)", false;
    if (!QFile::exists(kPdfPrinter))
        return *whyNot = "cups-filters' PDF printer is not installed", false;
    const QString root = folder_.path();
    QDir folder(root);
    for (const char* sub : {"ppd", "spool", "cache", "state", "tmp", "out"})
        folder.mkpath(QString::fromLatin1(sub));
    // The daemon's filters run as an unprivileged user, who must reach the spool.
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ExeGroup | QFile::ExeOther);
    const int port = freeLoopbackPort();
    server_ = QStringLiteral("127.0.0.1:%1").arg(port);
    const QString conf = folder.filePath("cupsd.conf"), files = folder.filePath("cups-files.conf");
    if (port == 0 ||
        !writeText(conf, "Listen " + server_ +
                             "\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                             "  </Limit>\n</Policy>\n") ||
        !writeText(files, QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                         "StateDir %1/state\nTempDir %1/tmp\n"
                                         "ErrorLog %1/error_log\nFileDevice Yes\n")
                              .arg(root)))
        return *whyNot = "no free loopback port or no temporary folder", false;

    daemon_.start(findProgram("cupsd"), {"-f", "-c", conf, "-s", files});
    bool running = false;
    for (QDeadlineTimer deadline(20000); !running && !deadline.hasExpired();) {
        if (!daemon_.waitForStarted(10000) || daemon_.state() != QProcess::Running)
            break;
        running = run("lpstat", {"-r"});
        if (!running)
            QThread::msleep(100);
    }
    const bool queueAdded = running &&
                            run("lpadmin", {"-p", queueName(), "-E", "-v",
                                            "file://" + jobOutputPath(), "-P", kPdfPrinter}) &&
                            run("lpadmin", {"-d", queueName()});
    if (!queueAdded) {
        *whyNot = QStringLiteral("cupsd does not run here (state %1, exit code %2): %3\n%4\n%5")
                      .arg(daemon_.state())
                      .arg(daemon_.exitCode())
                      .arg(daemon_.errorString(),
                           QString::fromLocal8Bit(daemon_.readAllStandardError()), log());
        stop();
    }
    return queueAdded;
}

bool PrivateSpooler::waitUntilIdle() {
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
        QString pending;
        if (run("lpstat", {"-W", "not-completed", "-o"}, &pending) && pending.trimmed().isEmpty())
            return true;
    }
    return false;
}

void PrivateSpooler::stop() {
    if (daemon_.state() == QProcess::NotRunning)
        return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(10000)) {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
}
