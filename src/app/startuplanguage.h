#pragma once

#include "settings/folderset.h"

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::app {

// Loads the configured language file, else the first listed one. Returns the name of the file
// that was loaded, or the empty string when none could be read (the program cannot go on then).
// The configured name is not rewritten when another file is taken instead.
QString loadStartupLanguage(lang::TextTable &texts, const QString &configuredFile, const settings::FolderSet &folders);

} // namespace tabulet::app
