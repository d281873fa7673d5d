#include "launch/switches.h"

#include <algorithm>

namespace tabulet::launch {

namespace {

std::string *valueSlot(Switches &switches, std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : char(c); });
    if (name == "homedir")
        return &switches.homeFolder;
    if (name == "language")
        return &switches.languageFile;
    if (name == "theme")
        return &switches.themeFile;
    return nullptr;
}

} // namespace

Switches parseSwitches(const std::vector<std::string> &arguments)
{
    Switches switches;
    std::string *pendingValue = nullptr;
    for (const std::string &argument : arguments) {
        if (argument == "--toggle") {
            switches.toggle = true;
            pendingValue = nullptr;
            continue;
        }
        if (argument.starts_with('-')) {
            pendingValue = valueSlot(switches, argument.substr(1));
            continue;
        }
        if (pendingValue) {
            *pendingValue = argument;
            pendingValue = nullptr;
        }
    }
    return switches;
}

InformationRequest informationRequest(const std::vector<std::string> &arguments)
{
    for (const std::string &argument : arguments) {
        if (argument == "--help" || argument == "-h")
            return InformationRequest::Help;
        if (argument == "--version")
            return InformationRequest::Version;
    }
    return InformationRequest::None;
}

const char *usageText()
{
    return "Usage: tabulet [-homedir FOLDER] [-language FILE] [-theme FILE] [--show | --toggle]\n"
           "\n"
           "Tabulet keeps short rich-text notes as tabs of one small window.\n"
           "\n"
           "  -homedir FOLDER   keep the configuration and the notes in FOLDER for this run\n"
           "  -language FILE    install the language file FILE (.tabulang)\n"
           "  -theme FILE       install the theme package FILE (.tabutheme)\n"
           "  --show            bring the running copy's window to the front (start it when none runs)\n"
           "  --toggle          show or hide the running copy's window (start it when none runs);\n"
           "                    bind it to a key where the desktop gives programs no global hotkey\n"
           "  --help            show this text and exit\n"
           "  --version         show the version and exit\n"
           "\n"
           "The window comes up from its tray icon, with the hotkey Ctrl+Shift+/ (set in Options)\n"
           "or with tabulet --toggle.\n"
           "One copy runs per user and session: a later start hands its switches to the running copy and ends.\n"
           "Notes and settings live in $XDG_DATA_HOME/Tabulet (default ~/.local/share/Tabulet).\n";
}

} // namespace tabulet::launch
