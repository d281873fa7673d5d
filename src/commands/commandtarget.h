#pragma once

#include "commands/commandid.h"

#include <QString>

namespace tabulet::commands {

// What carries out the built-in commands: the main window while it exists.
class CommandTarget
{
public:
    virtual ~CommandTarget() = default;

    virtual void runCommand(CommandId id) = 0;
};

// What runs commands that plug-ins registered, by the name they are bound under ("Plugin: "
// followed by the menu text). Returns true when a plug-in entry ran.
class PluginCommandRunner
{
public:
    virtual ~PluginCommandRunner() = default;

    virtual bool runPluginCommandByName(const QString &name) = 0;
};

} // namespace tabulet::commands
