#pragma once

#include <QString>

namespace vexilor {

// Ties the program's windows to its desktop entry (`entryName`, the entry's file name
// without ".desktop"), so that docks and task switchers show them with the entry's name
// and icon, grouped under it. Wayland compositors take the name from the application
// (as the windows' app id); GNOME on X11 matches the windows' class against the entry's
// StartupWMClass; KDE on X11 reads it from each window's _KDE_NET_WM_DESKTOP_FILE, which
// Qt does not set, so from now on every top-level window gets it as its platform window
// is made. Call it once the application object exists, before the first window.
void nameDesktopEntry(const QString& entryName);

}  // namespace vexilor
