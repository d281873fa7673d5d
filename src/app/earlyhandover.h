#pragma once

#include "app/instancehandover.h"

namespace tabulet::app {

// A later start hands over before it connects to the display, reads fonts or loads anything:
// true when the option "oneinstance" of the data folder's configuration is on (as it is when the
// file or the option is missing) and a running copy took the handover. Reads the file, never
// writes it; start-up's claim still settles copies started at the same moment.
bool handedOverToRunningCopy(const QString &dataFolder, const QString &instanceName, const Handover &handover);

} // namespace tabulet::app
