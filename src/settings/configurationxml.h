#pragma once

#include <QByteArray>

namespace tabulet::settings {

class ConfigurationSection;
class NoteList;
class PresetList;
class Settings;

// Everything the configuration document describes, by reference.
struct ConfigurationContent
{
    Settings &settings;
    NoteList &notes;
    PresetList &presets;
    ConfigurationSection &plugins;
    ConfigurationSection &commands;
};

// How far a document could be read; anything but Complete means the file is damaged.
enum class XmlReadOutcome { Complete, Unparsable, NoRoot, NoOptions, NoNotes };

// Reads a configuration document into the content. Options are set for every "option" with
// "key" and "val"; unless optionsOnly, the note list is replaced by the "note" elements and the
// sections and presets read theirs. Reading stops at the first part that is missing.
XmlReadOutcome readConfigurationXml(const QByteArray &bytes, bool optionsOnly, const ConfigurationContent &content);

// The whole document as it is saved: declaration, comment, then "config" with "options" (the
// keys of the defaults table in order), "notes", "plugins", "commands" and "presets".
QByteArray writeConfigurationXml(const ConfigurationContent &content);

} // namespace tabulet::settings
