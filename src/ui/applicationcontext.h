#pragma once

#include "archive/archiver.h"
#include "archive/clock.h"
#include "commands/commandtable.h"
#include "lang/texttable.h"
#include "net/listenerthread.h"
#include "plugins/pluginhost.h"
#include "settings/configurationfile.h"
#include "settings/folderset.h"
#include "settings/notelist.h"
#include "settings/presetlist.h"
#include "settings/settings.h"

#include <memory>

namespace tabulet::ui {

// The process-wide state of the program, created once at start and passed by reference.
struct ApplicationContext
{
    explicit ApplicationContext(const settings::FolderSet &folderSet);
    ApplicationContext(const ApplicationContext &) = delete;
    ApplicationContext &operator=(const ApplicationContext &) = delete;

    settings::FolderSet folders;
    settings::Settings settings;
    settings::NoteList notes;
    settings::PresetList presets;
    commands::CommandTable commands;
    lang::TextTable texts;
    settings::ConfigurationFile configuration;
    archive::SystemClock clock;
    // Takes its folder from every configuration read; the note window sets it up at its start.
    archive::Archiver archiver{folders, settings, notes, texts, clock};
    // Receives notes from the network for the whole run once started (option "listenfornotes").
    std::unique_ptr<net::ListenerThread> noteListener;
    // The plug-ins and their records; the note window loads them and gives them its editor.
    plugins::PluginHost plugins{settings, commands, texts};
};

} // namespace tabulet::ui
