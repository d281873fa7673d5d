#pragma once

#include "commands/commandtable.h"
#include "settings/settings.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tabulet::plugins {
class PluginTable;
}

namespace tabulet::ui {

// One plug-in as the plug-ins page lists it: what the script told about itself and its flag.
struct PluginEntry
{
    QString path;
    QString name;
    QString version;
    QString author;
    QString authorEmail;
    QString homepage;
    QString requiredVersion;
    QString description;
    QString configurationFile; // the script's own settings file; empty when it never loaded
    bool enabled = true;

    // Its name, or its path while it has none.
    QString displayName() const { return name.isEmpty() ? path : name; }
};

// What the options sheet edits: copies of the options, of the key bindings and of the plug-ins'
// enabled flags. Nothing of the program's own changes while the sheet is open.
struct OptionsWork
{
    settings::Settings settings;
    commands::CommandTable commands;
    std::vector<PluginEntry> plugins; // in the plug-in table's order
    QStringList languageFiles;        // installed language files, as the language page lists them
};

OptionsWork optionsWorkOf(const settings::Settings &settings, const commands::CommandTable &commands,
                          const plugins::PluginTable &plugins, QStringList languageFiles);

} // namespace tabulet::ui
