#pragma once

#include "launch/switches.h"

#include <string>

namespace tabulet::launch {

// The per-user data location: $XDG_DATA_HOME when it is absolute, else ~/.local/share; empty when
// neither is known. Not created here.
std::string userDataHome();

// The folder of the configuration and the notes for this start: -homedir (relative to the working
// folder), else Tabulet in the per-user data location.
std::string dataFolder(const Switches &switches);

// The option "oneinstance" of the configuration in dataFolder: on unless the file says "0" or
// another value. A missing or unreadable file, or anything but a regular file, leaves it on, as the
// program's defaults do.
bool oneInstance(const std::string &dataFolder);

} // namespace tabulet::launch
