#pragma once

#include <QString>
#include <QStringList>

namespace tabulet::app {

// The switches of one start (see launch::Switches), as the program uses them.
struct CommandLine
{
    QString homeFolder;   // -homedir: replaces the data folder for this run
    QString languageFile; // -language: a language file to install after start-up
    QString themeFile;    // -theme: a theme file to install after start-up
    bool toggle = false;  // --toggle: show or hide the running copy's window
};

// Parses the arguments after the program name, as the launcher does.
CommandLine parseCommandLine(const QStringList &arguments);

} // namespace tabulet::app
