#pragma once

#include <QString>
#include <QUrl>

namespace vexilor {

// The program's own folder and its help page, which opens in the desktop's browser.

// The folder that holds the program's executable, ending in "/".
QString programFolder();

// The help page shipped with the program: beside the executable (the build folder),
// else in the installed share folder. Empty when neither exists.
QString findHelpPage(const QString& programFolder);

// Opens a page in the user's default browser. False where none could be started (no
// browser, nothing to start one with).
bool openInBrowser(const QUrl& url);

}  // namespace vexilor
