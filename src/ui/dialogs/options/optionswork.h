#pragma once

#include "commands/commandtable.h"
#include "lang/languagefiles.h"
#include "plugins/plugin.h"
#include "settings/settings.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tabulet::plugins {
class PluginTable;
}

namespace tabulet::ui {

// What the options sheet edits: copies of the options, of the key bindings and of the plug-ins'
// enabled flags. Nothing of the program's own changes while the sheet is open.
struct OptionsWork
{
    settings::Settings settings;
    commands::CommandTable commands;
    std::vector<tabulet::plugins::PluginInfo> plugins; // copies, in the plug-in table's order
    std::vector<lang::InstalledLanguage> languages;    // as the language page lists them
};

OptionsWork optionsWorkOf(const settings::Settings &settings, const commands::CommandTable &commands,
                          const plugins::PluginTable &plugins, std::vector<lang::InstalledLanguage> languages);

} // namespace tabulet::ui
