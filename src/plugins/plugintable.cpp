#include "plugins/plugintable.h"

#include <tinyxml2.h>

namespace tabulet::plugins {

Plugin &PluginTable::record(const QString &path)
{
    Plugin &plugin = m_records[key(path)];
    plugin.path = path;
    return plugin;
}

Plugin *PluginTable::recordOf(lua_State *lua)
{
    for (auto &[path, plugin] : m_records) {
        if (plugin.state && plugin.state->lua() == lua)
            return &plugin;
    }
    return nullptr;
}

const Plugin *PluginTable::find(const QString &path) const
{
    const auto found = m_records.find(key(path));
    return found == m_records.end() ? nullptr : &found->second;
}

void PluginTable::forEach(const std::function<void(const Plugin &)> &visit) const
{
    for (const auto &[path, plugin] : m_records)
        visit(plugin);
}

void PluginTable::forEach(const std::function<void(Plugin &)> &visit)
{
    for (auto &[path, plugin] : m_records)
        visit(plugin);
}

bool PluginTable::setEnabled(const QString &path, bool enabled)
{
    const auto found = m_records.find(key(path));
    if (found == m_records.end())
        return false;
    found->second.enabled = enabled;
    return true;
}

void PluginTable::closeStates()
{
    std::erase_if(m_records, [](const auto &entry) { return entry.second.state != nullptr; });
}

void PluginTable::readSection(const tinyxml2::XMLElement &element)
{
    for (const tinyxml2::XMLElement *plugin = element.FirstChildElement("plugin"); plugin;
         plugin = plugin->NextSiblingElement("plugin")) {
        const char *path = plugin->Attribute("path");
        if (!path)
            continue;
        Plugin &found = record(QString::fromUtf8(path));
        int enabled = 0;
        if (plugin->QueryIntAttribute("enabled", &enabled) == tinyxml2::XML_SUCCESS)
            found.enabled = enabled > 0;
    }
}

void PluginTable::writeSection(tinyxml2::XMLElement &element) const
{
    for (const auto &[path, plugin] : m_records) {
        if (!plugin.state)
            continue;
        tinyxml2::XMLElement *written = element.InsertNewChildElement("plugin");
        written->SetAttribute("path", path.constData());
        written->SetAttribute("enabled", plugin.enabled ? 1 : 0);
    }
}

} // namespace tabulet::plugins
