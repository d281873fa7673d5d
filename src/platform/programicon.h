#pragma once

#include <QIcon>

namespace tabulet::platform {

// The program's icon for its windows and the About box: the one the desktop's icon theme holds
// under the program's name (as the package installs it), else the same drawing built into the
// program at the usual sizes.
QIcon programIcon();

} // namespace tabulet::platform
