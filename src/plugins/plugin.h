#pragma once

#include "plugins/scriptstate.h"

#include <QString>

#include <memory>

namespace tabulet::plugins {

// What a plug-in told about itself, where it lies and whether it runs: what lists of plug-ins
// show and copy.
struct PluginInfo
{
    QString path; // full path of the script, or as the configuration file names it
    QString name;
    QString version;
    QString author;
    QString authorEmail;
    QString homepage;
    QString requiredVersion;
    QString description;
    QString menuContext;
    QString configurationFile; // full path of the script's own settings file; empty until it loaded
    bool enabled = true;

    // What menus and questions call the plug-in: its name, or its path while it has none.
    QString displayName() const { return name.isEmpty() ? path : name; }
};

// One plug-in script with its interpreter state.
struct Plugin : PluginInfo
{
    // The script's own state; none for a record only read from the configuration or whose
    // script failed to load. A disabled plug-in found on disk has a state that was never opened.
    std::unique_ptr<ScriptState> state;
    bool infoSet = false;
};

} // namespace tabulet::plugins
