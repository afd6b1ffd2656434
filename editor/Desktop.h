#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QUrl>

namespace vexilor {

// Small stand-ins for what the desktop provides, named for what they do.

// The folder that holds the program's executable, ending in "/".
QString programFolder();

// The size of the whole virtual screen (all monitors together).
QSize virtualScreenSize();

// Where a window of `outerSize` goes to stand in the middle of the virtual screen:
// halves truncated toward zero, never above or left of the screen's origin.
QPoint centredTopLeft(QSize virtualScreen, QSize outerSize);

// The help page shipped with the program: beside the executable (the build folder),
// else in the installed share folder. Empty when neither exists.
QString findHelpPage(const QString& programFolder);

// Opens a page in the user's default browser. A failure is not reported.
void openInBrowser(const QUrl& url);

}  // namespace vexilor
