#pragma once

#include "plugins/scriptstate.h"

#include <QString>

#include <memory>

namespace tabulet::plugins {

// One plug-in script with its interpreter state and what it told about itself.
struct Plugin
{
    QString path; // full path of the script, or as the configuration file names it
    // The script's own state; none for a record only read from the configuration or whose
    // script failed to load. A disabled plug-in found on disk has a state that was never opened.
    std::unique_ptr<ScriptState> state;
    QString name;
    QString version;
    QString author;
    QString authorEmail;
    QString homepage;
    QString requiredVersion;
    QString description;
    QString menuContext;
    QString configurationFile; // full path of the script's own settings file
    bool infoSet = false;
    bool enabled = true;

    // What menus and questions call the plug-in: its name, or its path while it has none.
    QString displayName() const { return name.isEmpty() ? path : name; }
};

} // namespace tabulet::plugins
