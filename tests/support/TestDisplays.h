#pragma once

#include <QByteArray>

// Where the suite's own window systems are, as their start-up fixtures wrote it down.

// The X server's display name (":N"), with VEXILOR_TEST_PLATFORM=wm the one that a window
// manager runs; without the suite's server (a test program started by hand) the caller's
// DISPLAY.
QByteArray testXDisplay();

// The Wayland compositor's socket, as a full path that WAYLAND_DISPLAY takes; empty
// when the suite's compositor is not running.
QByteArray testWaylandSocket();
