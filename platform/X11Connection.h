#pragma once

#include <xcb/xcb.h>

namespace vexilor {

// The application's connection to its X server, or null where the program runs on
// another window system (Wayland, offscreen). The one place that asks Qt for it.
xcb_connection_t* x11Connection();

// The atom of that name on the connection's server; XCB_ATOM_NONE when it cannot be had.
xcb_atom_t internedAtom(xcb_connection_t* connection, const char* name);

}  // namespace vexilor
