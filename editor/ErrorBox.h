#pragma once

#include <QString>
#include <functional>

namespace vexilor {

// Runs one event handler. A failure thrown inside it ends the handler and is shown in
// the standard error box; the program goes on. Every handler of the program goes
// through here, so no handler shows an error box of its own.
void runGuarded(const std::function<void()>& handler);

// The standard error box: modal to the whole program, error icon, one OK button, the
// message with its closing full stop, the application's title as caption.
void showErrorBox(const QString& message);

// The message as the box shows it: a "." is added when the last character sorts after
// "." (so a message ending in "!" or "." is left alone).
QString errorBoxText(const QString& message);

// The application's title from the executable's path: the file name cut at its first
// ".", every character after the first in lower case.
QString applicationTitle(const QString& executablePath);

}  // namespace vexilor
