#include "commands/commandtable.h"

#include "commands/shortcuttext.h"
#include "lang/texttable.h"

#include <tinyxml2.h>

#include <algorithm>
#include <utility>

namespace tabulet::commands {

namespace {

const char *const kCommandElement = "command";

QString nameOf(const Command &command)
{
    return QLatin1String(command.definition.name);
}

} // namespace

CommandTable::CommandTable()
{
    std::transform(kCommandDefinitions.begin(), kCommandDefinitions.end(), m_commands.begin(),
                   [](const CommandDefinition &definition) {
                       return Command{definition, Shortcut{definition.key, definition.modifiers}};
                   });
}

bool CommandTable::dispatchShortcut(Modifiers modifiers, int key)
{
    const int index = indexOfShortcut(key, modifiers);
    if (index < 0)
        return false;
    if (m_target)
        m_target->runCommand(m_commands[index].definition.id);
    return true;
}

bool CommandTable::dispatchPluginShortcut(Modifiers modifiers, int key)
{
    const PluginBinding *found = pluginBindingOfShortcut(key, modifiers);
    if (!found || !m_pluginRunner)
        return false;
    // A copy: the plug-in may register entries while it runs, which moves the list.
    const QString name = found->name;
    return m_pluginRunner->runPluginCommandByName(name);
}

bool CommandTable::dispatchKey(Modifiers modifiers, int key)
{
    return dispatchShortcut(modifiers, key) || dispatchPluginShortcut(modifiers, key);
}

int CommandTable::indexOfCommand(const QString &name) const
{
    const auto found = std::find_if(m_commands.begin(), m_commands.end(), [&](const Command &command) {
        return QLatin1String(command.definition.name) == name;
    });
    return found == m_commands.end() ? -1 : static_cast<int>(found - m_commands.begin());
}

int CommandTable::indexOfShortcut(int key, Modifiers modifiers) const
{
    if (key == 0)
        return -1;
    const Shortcut wanted{key, modifiers};
    const auto found = std::find_if(m_commands.begin(), m_commands.end(),
                                    [&](const Command &command) { return command.shortcut == wanted; });
    return found == m_commands.end() ? -1 : static_cast<int>(found - m_commands.begin());
}

QString CommandTable::commandOfTextKey(const QString &textKey) const
{
    // Several commands have no caption; an empty key must not find the first of them.
    if (textKey.isEmpty())
        return {};
    const auto found = std::find_if(m_commands.begin(), m_commands.end(), [&](const Command &command) {
        return QLatin1String(command.definition.textKey) == textKey;
    });
    return found == m_commands.end() ? QString() : nameOf(*found);
}

const PluginBinding *CommandTable::pluginBindingOfShortcut(int key, Modifiers modifiers) const
{
    if (key == 0)
        return nullptr;
    const Shortcut wanted{key, modifiers};
    const auto found = std::find_if(m_pluginBindings.begin(), m_pluginBindings.end(),
                                    [&](const PluginBinding &binding) { return binding.shortcut == wanted; });
    return found == m_pluginBindings.end() ? nullptr : &*found;
}

const PluginBinding *CommandTable::pluginBinding(const QString &name) const
{
    const auto found = std::find_if(m_pluginBindings.begin(), m_pluginBindings.end(),
                                    [&](const PluginBinding &binding) { return binding.name == name; });
    return found == m_pluginBindings.end() ? nullptr : &*found;
}

PluginBinding *CommandTable::findPluginBinding(const QString &name)
{
    return const_cast<PluginBinding *>(std::as_const(*this).pluginBinding(name));
}

bool CommandTable::setBinding(const QString &name, int key, Modifiers modifiers)
{
    const Shortcut shortcut{key, modifiers};
    const int index = indexOfCommand(name);
    if (index >= 0) {
        m_commands[index].shortcut = shortcut;
        return true;
    }
    if (PluginBinding *binding = findPluginBinding(name))
        binding->shortcut = shortcut;
    else
        m_pluginBindings.push_back(PluginBinding{name, shortcut});
    return false;
}

void CommandTable::markPluginBindingForWriting(const QString &name)
{
    if (PluginBinding *binding = findPluginBinding(name)) {
        binding->writeToFile = true;
        return;
    }
    m_pluginBindings.push_back(PluginBinding{name, Shortcut{}, true});
}

void CommandTable::adoptBindings(const CommandTable &edited)
{
    m_commands = edited.m_commands;
    m_pluginBindings = edited.m_pluginBindings;
}

void CommandTable::readBindings(const tinyxml2::XMLElement &commandsElement)
{
    for (const tinyxml2::XMLElement *element = commandsElement.FirstChildElement(kCommandElement); element;
         element = element->NextSiblingElement(kCommandElement)) {
        const char *name = element->Attribute("name");
        if (!name)
            continue;
        int key = 0;
        if (element->QueryIntAttribute("key", &key) != tinyxml2::XML_SUCCESS)
            key = 0;
        const char *letters = element->Attribute("mod");
        setBinding(QString::fromUtf8(name), key, modifiersOfBindingLetters(QString::fromUtf8(letters ? letters : "")));
    }
}

void CommandTable::writeBindings(tinyxml2::XMLElement &commandsElement) const
{
    tinyxml2::XMLDocument &document = *commandsElement.GetDocument();
    const auto append = [&](const QString &name, const Shortcut &shortcut) {
        tinyxml2::XMLElement *element = document.NewElement(kCommandElement);
        element->SetAttribute("name", name.toUtf8().constData());
        element->SetAttribute("key", shortcut.key);
        element->SetAttribute("mod", bindingLetters(shortcut.modifiers).toLatin1().constData());
        commandsElement.InsertEndChild(element);
    };
    for (const Command &command : m_commands)
        append(nameOf(command), command.shortcut);
    for (const PluginBinding &binding : m_pluginBindings) {
        if (binding.writeToFile)
            append(binding.name, binding.shortcut);
    }
}

QString CommandTable::menuCaption(lang::TextTable &texts, const KeyNames &keyNames, const QString &textKey,
                                  const QString &commandName) const
{
    QString caption = texts.text(textKey);
    if (commandName.isEmpty())
        return caption;
    const int index = indexOfCommand(commandName);
    if (index >= 0) {
        const Shortcut &shortcut = m_commands[index].shortcut;
        caption += QLatin1Char('#') + shortcutText(shortcut.key, shortcut.modifiers, keyNames);
    }
    return caption;
}

} // namespace tabulet::commands
