#include "RunningProgram.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QThread>

namespace {

constexpr int kPatienceMs = 20000;

// What an X tool (xdotool, xprop) writes.
QString outputOf(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(kPatienceMs);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString xdotool(const QStringList& arguments) {
    return outputOf(QStringLiteral("xdotool"), arguments);
}

}  // namespace

RunningProgram::RunningProgram(const QString& program, const QProcessEnvironment& environment,
                               const QStringList& arguments) {
    process_.setProcessEnvironment(environment);
    process_.start(program, arguments);
    process_.waitForStarted(kPatienceMs);
}

RunningProgram::~RunningProgram() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kPatienceMs);
    }
}

QString RunningProgram::findWindow(const QString& title) {
    const QString pid = QString::number(process_.processId());
    const QString name = '^' + QRegularExpression::escape(title) + '$';
    for (QDeadlineTimer deadline(kPatienceMs); !deadline.hasExpired(); QThread::msleep(100)) {
        const QStringList found =
            xdotool({"search", "--all", "--onlyvisible", "--pid", pid, "--name", name})
                .split('\n', Qt::SkipEmptyParts);
        if (!found.isEmpty())
            return found.front();
    }
    return {};
}

QRect RunningProgram::waitForWindow(const QString& title) {
    const QString window = findWindow(title);
    if (window.isEmpty())
        return QRect();
    // Lines of the form "  Absolute upper-left X:  10" and "  Width: 30", which hold under
    // a window manager too (xdotool's geometry adds the frame's offset once more).
    QMap<QString, int> shape;
    for (const QString& line : outputOf(QStringLiteral("xwininfo"), {"-id", window}).split('\n')) {
        const QStringList pair = line.split(':');
        if (pair.size() == 2)
            shape[pair[0].trimmed()] = pair[1].toInt();
    }
    return QRect(shape["Absolute upper-left X"], shape["Absolute upper-left Y"], shape["Width"],
                 shape["Height"]);
}

QStringList RunningProgram::windowStrings(const QString& title, const QString& property) {
    const QString window = findWindow(title);
    if (window.isEmpty())
        return {};
    // A line of the form NAME(TYPE) = "first", "second" or NAME(TYPE) = FIRST, SECOND.
    const QString line = outputOf(QStringLiteral("xprop"), {"-id", window, property}).trimmed();
    const qsizetype values = line.indexOf(QStringLiteral(" = "));
    return values < 0 ? QStringList()
                      : line.mid(values + 3).remove('"').split(QStringLiteral(", "));
}

void RunningProgram::click(QPoint onScreen) {
    xdotool(
        {"mousemove", QString::number(onScreen.x()), QString::number(onScreen.y()), "click", "1"});
    QThread::msleep(200);  // room for the program to handle the click
}

void RunningProgram::type(const QString& text) {
    xdotool({"type", "--delay", "50", text});
    QThread::msleep(200);
}

void RunningProgram::pressKeys(const QString& keys) {
    xdotool({"key", keys});
    QThread::msleep(200);
}

int RunningProgram::waitForExit() {
    if (!process_.waitForFinished(kPatienceMs) || process_.exitStatus() != QProcess::NormalExit)
        return -1;
    return process_.exitCode();
}

QString RunningProgram::errorOutput() {
    return QString::fromLocal8Bit(process_.readAllStandardError());
}
