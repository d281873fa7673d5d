#pragma once

#include "settings/folderset.h"

#include <functional>

namespace tabulet::app {

// The per-user data location: $XDG_DATA_HOME, else ~/.local/share, created when missing (a fresh
// account may not have it yet); empty when neither is known.
QString applicationDataFolder();

// The folder set of this run, before the command line is read. The program folder is the
// executable's folder when it holds "languages", else the installed share/tabulet beside it.
settings::FolderSet computeFolderSet(const QString &executablePath, const QString &applicationData,
                                     const QString &tempPath);

// Makes one folder level and checks that it can be read and written. On failure it reports the
// text key of the message to show ("ARCHIVER_CREATEDIRFAILED" or "ARCHIVER_CREATEDIRPERMISSIONS").
bool ensureFolder(const QString &path, const std::function<void(const char *textKey)> &report);

} // namespace tabulet::app
