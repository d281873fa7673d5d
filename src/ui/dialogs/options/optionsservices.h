#pragma once

#include "commands/commandtable.h"
#include "ui/dialogs/notestylecontrols.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::plugins {
struct PluginInfo;
}

namespace tabulet::ui {

// What the pages ask of the user beyond their own controls and what they ask of the desktop:
// the program's dialogs and the system's unless tests replace them.
struct OptionsServices
{
    StylePickers pickers = StylePickers::system();
    // The shortcut entry dialog on a shortcut for what boundTo names, warning against the bindings
    // given; nullopt on Cancel.
    std::function<std::optional<commands::Shortcut>(const QString &boundTo, const commands::Shortcut &current,
                                                    const commands::CommandTable &bindings, QWidget *parent)>
        askShortcut;
    // The plug-in's details; true when it was closed with its enable or disable button.
    std::function<bool(const plugins::PluginInfo &plugin, QWidget *parent)> showPluginDetails;
    // The folder picker; the empty text when nothing was chosen.
    std::function<QString(const QString &title, const QString &start, QWidget *parent)> askFolder;
    // A file or folder opened with the desktop's program for it; failures are silent.
    std::function<void(const QString &path)> openWithDesktop;
    // The standard message for a value the sheet cannot take.
    std::function<void(const QString &text, QWidget *parent)> warn;

    // texts and keyNames must outlive the services; pluginConfigFolder holds the plug-ins'
    // settings files.
    static OptionsServices system(lang::TextTable &texts, const commands::KeyNames &keyNames,
                                  const QString &pluginConfigFolder);
};

} // namespace tabulet::ui
