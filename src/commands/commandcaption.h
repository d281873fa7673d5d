#pragma once

#include "commands/commanddefinitions.h"

#include <QString>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::commands {

// A menu text as a name for the command: without its "&" marks ("&&" stays one "&"), without
// the shortcut part after a tab or "#", and without a closing "..." or "…" ("&Print...\tCtrl+P"
// is "Print").
QString plainCaption(const QString &menuText);

// The name by which people know a built-in command: the plain caption of its text key (commands
// reached by their shortcuts alone have keys of their own, "COMMAND_NEXTTAB"...) in the
// current language. A command whose key has no text in the language file is named by its table
// name, so that no row of a list is left empty.
QString commandCaption(const CommandDefinition &definition, lang::TextTable &texts);

} // namespace tabulet::commands
