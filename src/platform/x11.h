#pragma once

#include <xcb/xcb.h>

namespace tabulet::platform {

// The X connection, or nullptr where there is none (offscreen and Wayland platforms, where the
// native interface may answer but carries no connection).
xcb_connection_t *x11Connection();

// The atom of the name, interned when new; XCB_ATOM_NONE when the server does not answer.
xcb_atom_t internAtom(xcb_connection_t *connection, const char *name);

} // namespace tabulet::platform
