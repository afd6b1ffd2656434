#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

// The real editor program, started by a test on the suite's X server and driven there
// as a user would: windows are found by their titles, the pointer clicks and the
// keyboard types through the X server (xdotool), so the program cannot tell the test
// from a person.
class RunningProgram {
public:
    // Starts the program with exactly this environment.
    RunningProgram(const QString& program, const QProcessEnvironment& environment,
                   const QStringList& arguments = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The place on the screen of the program's visible window whose title is exactly
    // `title`; an empty rectangle if none shows up within a few seconds.
    QRect waitForWindow(const QString& title);
    // The values of a property of that window on the X server as strings (WM_CLASS gives
    // two), none if the window or the property is missing.
    QStringList windowStrings(const QString& title, const QString& property);

    void click(QPoint onScreen);
    // Types into whatever has the keyboard focus; keys are xdotool key names.
    void type(const QString& text);
    void pressKeys(const QString& keys);

    // The exit code once the program has ended by itself, or -1 if it did not.
    int waitForExit();
    // Everything the program wrote to its standard error so far.
    QString errorOutput();

private:
    // The X window id of that window, empty if none shows up within a few seconds.
    QString findWindow(const QString& title);

    QProcess process_;
};
