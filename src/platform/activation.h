#pragma once

#include <QByteArray>

class QWidget;

namespace tabulet::platform {

// Lets the window come forward with the token the desktop gave another start of the program
// (X11: the startup id, set on the window as _NET_STARTUP_ID; Wayland: the activation token that
// the next activation request uses). Call it right before showing and activating the window; an
// empty token changes nothing.
void useActivationToken(QWidget *window, const QByteArray &token);

} // namespace tabulet::platform
