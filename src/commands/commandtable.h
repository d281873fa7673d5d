#pragma once

#include "commands/commanddefinitions.h"
#include "commands/commandtarget.h"
#include "commands/keynames.h"
#include "commands/modifiers.h"
#include "settings/configurationsection.h"

#include <QString>

#include <array>
#include <vector>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::commands {

struct Shortcut
{
    int key = 0; // virtual-key code, 0 = no shortcut
    Modifiers modifiers;

    friend bool operator==(const Shortcut &, const Shortcut &) = default;
};

// One built-in command with its current binding.
struct Command
{
    CommandDefinition definition;
    Shortcut shortcut;
};

// A binding for a command that a plug-in registers (or may register later).
struct PluginBinding
{
    QString name;
    Shortcut shortcut;
    bool writeToFile = false; // set by the plug-in host for entries it registered
};

// The built-in commands with their current shortcuts, the plug-in bindings, and the keyboard
// dispatch over both. Copies are cheap; the options dialog edits a copy and adopts it on OK.
class CommandTable final : public settings::ConfigurationSection
{
public:
    static constexpr int kCount = static_cast<int>(kCommandDefinitions.size());

    // All commands with their default shortcuts, no plug-in bindings.
    CommandTable();

    const std::array<Command, kCount> &commands() const { return m_commands; }
    const std::vector<PluginBinding> &pluginBindings() const { return m_pluginBindings; }

    // What runs matched commands; not owned, nullptr while there is none. Without a target a
    // matching shortcut is still consumed, but nothing runs.
    void setTarget(CommandTarget *target) { m_target = target; }
    void setPluginCommandRunner(PluginCommandRunner *runner) { m_pluginRunner = runner; }

    // Runs the first command in list order bound to exactly this key and these modifiers.
    // Returns true when a command matched. Key 0 never matches.
    bool dispatchShortcut(Modifiers modifiers, int key);
    // The same over the plug-in bindings; returns what the plug-in runner returns (false when
    // there is no runner).
    bool dispatchPluginShortcut(Modifiers modifiers, int key);
    // A key press: the built-in commands first, then the plug-in bindings. True when consumed.
    bool dispatchKey(Modifiers modifiers, int key);

    // List index of the command with this exact name, or -1.
    int indexOfCommand(const QString &name) const;
    // List index of the first command bound to this key and these modifiers, or -1.
    int indexOfShortcut(int key, Modifiers modifiers) const;
    // Name of the command captioned by this text key; empty when none (or textKey is empty).
    QString commandOfTextKey(const QString &textKey) const;
    // The first plug-in binding to this key and these modifiers, or nullptr. Key 0 never matches.
    const PluginBinding *pluginBindingOfShortcut(int key, Modifiers modifiers) const;
    // The plug-in binding of that name, or nullptr.
    const PluginBinding *pluginBinding(const QString &name) const;

    // Binds a built-in command and returns true; for any other name stores the binding in the
    // plug-in list (keeping its write flag) and returns false. Key 0 removes the shortcut.
    bool setBinding(const QString &name, int key, Modifiers modifiers);
    // Makes sure a plug-in binding of that name exists (unbound when new) and will be written.
    void markPluginBindingForWriting(const QString &name);
    // Takes over the shortcuts and plug-in bindings of an edited copy; target and runner stay.
    void adoptBindings(const CommandTable &edited);

    // Applies each "command" child that has a "name": "key" (0 when absent or not a number)
    // and "mod" letters.
    void readBindings(const tinyxml2::XMLElement &commandsElement);
    // Appends one "command" per built-in command in list order, then one per plug-in binding
    // marked for writing, each with "name", "key" and "mod".
    void writeBindings(tinyxml2::XMLElement &commandsElement) const;

    void writeSection(tinyxml2::XMLElement &element) const override { writeBindings(element); }
    void readSection(const tinyxml2::XMLElement &element) override { readBindings(element); }

    // A menu item's caption: the translated text of the text key, and when the named command
    // exists, "#" and its shortcut text (the menu draws that part as the shortcut column).
    QString menuCaption(lang::TextTable &texts, const KeyNames &keyNames, const QString &textKey,
                        const QString &commandName) const;

private:
    PluginBinding *findPluginBinding(const QString &name);

    std::array<Command, kCount> m_commands;
    std::vector<PluginBinding> m_pluginBindings;
    CommandTarget *m_target = nullptr;
    PluginCommandRunner *m_pluginRunner = nullptr;
};

} // namespace tabulet::commands
