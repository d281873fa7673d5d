#pragma once

#include <string>
#include <vector>

namespace tabulet::launch {

// The switches of one start, as the bytes the shell gave. Values keep their case: Linux paths are
// case-sensitive.
struct Switches
{
    std::string homeFolder;   // -homedir: replaces the data folder for this run
    std::string languageFile; // -language: a language file to install after start-up
    std::string themeFile;    // -theme: a theme file to install after start-up
    bool toggle = false;      // --toggle: show or hide the running copy's window
};

// Parses the arguments after the program name. Only "-" begins a switch ("/" begins a path);
// switch names match without regard to case; only the first plain argument after a known switch
// is its value; unknown switches are ignored and take no value.
Switches parseSwitches(const std::vector<std::string> &arguments);

// What the conventional GNU options ask for; they are answered before anything is touched.
enum class InformationRequest { None, Help, Version };
InformationRequest informationRequest(const std::vector<std::string> &arguments);

const char *usageText();

} // namespace tabulet::launch
