#include "launch/launchoptions.h"

#include <tinyxml2.h>

#include <cstdlib>

namespace tabulet::launch {

std::string userDataHome()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return dataHome;
    const char *home = std::getenv("HOME");
    if (!home || !home[0])
        return {};
    return std::string(home) + "/.local/share";
}

std::string dataFolder(const Switches &switches)
{
    return switches.homeFolder.empty() ? userDataHome() + "/Tabulet" : switches.homeFolder;
}

bool oneInstance(const std::string &dataFolder)
{
    tinyxml2::XMLDocument document;
    if (document.LoadFile((dataFolder + "/tbu_config.xml").c_str()) != tinyxml2::XML_SUCCESS)
        return true;
    const tinyxml2::XMLElement *root = document.RootElement();
    const tinyxml2::XMLElement *options = root ? root->FirstChildElement("options") : nullptr;
    bool on = true;
    // The last of several options of one key counts, as when the program reads the file.
    for (const tinyxml2::XMLElement *option = options ? options->FirstChildElement("option") : nullptr; option;
         option = option->NextSiblingElement("option")) {
        const char *key = option->Attribute("key");
        const char *value = option->Attribute("val");
        if (key && value && std::string_view(key) == "oneinstance")
            on = std::string_view(value) == "1";
    }
    return on;
}

} // namespace tabulet::launch
