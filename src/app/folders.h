#pragma once

#include "settings/folderset.h"

namespace tabulet::app {

// The per-user data location: $XDG_DATA_HOME, else ~/.local/share, created when missing (a fresh
// account may not have it yet); empty when neither is known.
QString applicationDataFolder();

// The folder set of this run, before the command line is read. The program folder is the
// executable's folder when it holds "languages", else the installed share/tabulet beside it.
settings::FolderSet computeFolderSet(const QString &executablePath, const QString &applicationData,
                                     const QString &tempPath);

} // namespace tabulet::app
