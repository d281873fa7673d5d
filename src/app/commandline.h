#pragma once

#include <QString>
#include <QStringList>

namespace tabulet::app {

// The switches of one start. Values keep their case: Linux paths are case-sensitive.
struct CommandLine
{
    QString homeFolder;   // -homedir: replaces the data folder for this run
    QString languageFile; // -language: a language file to install after start-up
    QString themeFile;    // -theme: a theme file to install after start-up
    bool toggle = false;  // --toggle: show or hide the running copy's window
};

// Parses the arguments after the program name. Only "-" begins a switch ("/" begins a path);
// switch names match without regard to case; only the first plain argument after a known switch
// is its value; unknown switches are ignored and take no value.
CommandLine parseCommandLine(const QStringList &arguments);

// What the conventional GNU options ask for; they are answered before anything is touched.
enum class InformationRequest { None, Help, Version };
InformationRequest informationRequest(const QStringList &arguments);

QString usageText();

} // namespace tabulet::app
