#pragma once

#include "commands/commandid.h"

#include <QString>

namespace tabulet::plugins {

// What plug-ins need of the note window.
class PluginWindow
{
public:
    virtual ~PluginWindow() = default;

    // Runs a built-in command exactly as a shortcut or a menu would.
    virtual void runCommand(commands::CommandId id) = 0;
    // A script function was called: the note shown counts as modified, so that leaving it raises
    // the save events plug-ins rely on, whether or not the script changed its text.
    virtual void markShownNoteModified() = 0;
};

enum class MessageIcon { None, Error, Warning, Question, Information };

// The message boxes of the plug-in host. They have no owner window and return when the user
// has answered.
class PluginDialogs
{
public:
    virtual ~PluginDialogs() = default;

    virtual void showMessage(const QString &caption, const QString &text, MessageIcon icon) = 0;
    // Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString &caption, const QString &text) = 0;
    // A plug-in call has run for `seconds` without returning: true to stop it, false to let it
    // go on.
    virtual bool askToStopScript(const QString &pluginName, int seconds) = 0;
};

} // namespace tabulet::plugins
