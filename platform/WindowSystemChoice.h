#pragma once

namespace vexilor {

// The program's look rests on two things that an X server gives every window and a
// Wayland compositor does not: a constant alpha (the splash window's fades) and a
// position of the window's own choosing (both windows stand in the middle of the
// screen). Every Wayland desktop runs an X server beside it (XWayland), so when the user
// has chosen no platform (no QT_QPA_PLATFORM, no -platform argument) and an X display is
// named, Qt is asked for X11 first and Wayland second. Otherwise Qt's own choice stands:
// the user's, or Wayland where only a compositor is there. Call it before the
// application object is made.
void preferX11(int argc, char** argv);

// Whether the user chose a widget style (a -style argument or QT_STYLE_OVERRIDE), which
// the program then keeps instead of its own. Call it before the application object is
// made, which takes the argument away.
bool styleChosenByUser(int argc, char** argv);

}  // namespace vexilor
