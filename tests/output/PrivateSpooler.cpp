#include "PrivateSpooler.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {

const QStringList kSystemFolders{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                 QStringLiteral("/sbin"), QStringLiteral("/bin")};

// A PDF printer description from cups-filters: jobs pass its PDF filter and come out as PDF.
const char kPdfPrinterDescription[] = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

QString findProgram(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, kSystemFolders) : found;
}

// A loopback port nobody listens on right now.
int freeLoopbackPort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    close(probe);
    return port;
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

QString PrivateSpooler::jobOutputPath() const {
    return folder_.filePath(QStringLiteral("out/job.pdf"));
}

QString PrivateSpooler::log() const {
    QFile file(folder_.filePath(QStringLiteral("log/error_log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().right(4000))
                                          : QString();
}

bool PrivateSpooler::writeConfiguration(int port, QString* whyNot) {
    QDir root(folder_.path());
    for (const char* sub : {"conf", "conf/ppd", "spool", "cache", "state", "tmp", "log", "out"}) {
        if (!root.mkpath(QString::fromLatin1(sub))) {
            *whyNot = QStringLiteral("cannot make the spooler's folders");
            return false;
        }
    }
    // The daemon's filters run as an unprivileged user, who must reach the spool folder.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::ExeOther);
    const QString daemonSettings =
        QStringLiteral(
            "Listen 127.0.0.1:%1\n"
            "LogLevel info\n"
            "Browsing No\n"
            "WebInterface No\n"
            "DefaultAuthType None\n"
            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
            "  </Limit>\n</Policy>\n")
            .arg(port);
    const QString fileSettings =
        QStringLiteral(
            "ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
            "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
            "PageLog %1/log/page_log\nFileDevice Yes\n")
            .arg(folder_.path());
    if (!writeText(root.filePath(QStringLiteral("conf/cupsd.conf")), daemonSettings) ||
        !writeText(root.filePath(QStringLiteral("conf/cups-files.conf")), fileSettings)) {
        *whyNot = QStringLiteral("cannot write the spooler's configuration");
        return false;
    }
    return true;
}

bool PrivateSpooler::runClient(const QString& program, const QStringList& arguments,
                               QString* output) {
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), server_);
    client.setProcessEnvironment(environment);
    client.start(findProgram(program), arguments);
    if (!client.waitForFinished(30000))
        return false;
    if (output != nullptr)
        *output = QString::fromUtf8(client.readAllStandardOutput());
    return client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

bool PrivateSpooler::start(QString* whyNot) {
    for (const char* program : {"cupsd", "lpadmin", "lpstat"}) {
        if (findProgram(QString::fromLatin1(program)).isEmpty()) {
            *whyNot = QStringLiteral("%1 is not installed (cups, cups-client)").arg(program);
            return false;
        }
    }
    if (!QFileInfo::exists(QString::fromLatin1(kPdfPrinterDescription))) {
        *whyNot = QStringLiteral("the PDF printer description of cups-filters is not installed");
        return false;
    }
    const int port = freeLoopbackPort();
    if (!folder_.isValid() || port == 0 || !writeConfiguration(port, whyNot)) {
        if (whyNot->isEmpty())
            *whyNot = QStringLiteral("no temporary folder or no free loopback port");
        return false;
    }
    server_ = QStringLiteral("127.0.0.1:%1").arg(port);

    daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon_.start(findProgram(QStringLiteral("cupsd")),
                  {QStringLiteral("-f"), QStringLiteral("-c"),
                   folder_.filePath(QStringLiteral("conf/cupsd.conf")), QStringLiteral("-s"),
                   folder_.filePath(QStringLiteral("conf/cups-files.conf"))});
    if (!daemon_.waitForStarted(10000)) {
        *whyNot = QStringLiteral("cupsd does not start: ") + daemon_.errorString();
        return false;
    }
    bool running = false;
    for (QDeadlineTimer deadline(20000); !deadline.hasExpired() && !running;) {
        if (daemon_.state() != QProcess::Running)
            break;
        running = runClient(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        if (!running)
            QThread::msleep(100);
    }
    if (!running) {
        *whyNot = QStringLiteral("cupsd does not run here:\n") + log();
        stop();
        return false;
    }
    const QString device = QStringLiteral("file://") + jobOutputPath();
    if (!runClient(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), queueName(), QStringLiteral("-E"), QStringLiteral("-v"),
                    device, QStringLiteral("-P"), QString::fromLatin1(kPdfPrinterDescription)}) ||
        !runClient(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queueName()})) {
        *whyNot = QStringLiteral("cannot add the test queue:\n") + log();
        stop();
        return false;
    }
    return true;
}

bool PrivateSpooler::waitUntilIdle() {
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired();) {
        QString pending;
        if (runClient(QStringLiteral("lpstat"),
                      {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o")},
                      &pending) &&
            pending.trimmed().isEmpty()) {
            return true;
        }
        QThread::msleep(100);
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
