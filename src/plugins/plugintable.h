#pragma once

#include "plugins/plugin.h"
#include "settings/configurationsection.h"

#include <QByteArray>

#include <functional>
#include <map>

namespace tabulet::plugins {

// The plug-in records, keyed by path and ordered byte-wise (case matters), and the way back from
// an interpreter state to its record. Also the "plugins" element of the configuration file.
class PluginTable final : public settings::ConfigurationSection
{
public:
    // The record of that path, created with the initial values when there is none.
    Plugin &record(const QString &path);
    // The record whose state is that interpreter state, or nullptr.
    Plugin *recordOf(lua_State *lua);
    const Plugin *find(const QString &path) const;

    // Every record in table order.
    void forEach(const std::function<void(const Plugin &)> &visit) const;
    void forEach(const std::function<void(Plugin &)> &visit);
    int size() const { return static_cast<int>(m_records.size()); }

    // Sets the enabled flag of an existing record (the options page); takes effect at the next
    // start-up pass. False when there is no record of that path.
    bool setEnabled(const QString &path, bool enabled);

    // Closes every state and drops the records that had one; records without a state stay.
    void closeStates();

    // Each "plugin" child with a "path" sets the enabled flag of that record (creating it) to
    // "enabled" > 0; a missing or unreadable "enabled" leaves the flag as it is.
    void readSection(const tinyxml2::XMLElement &element) override;
    // One "plugin" per record that has a state, in table order, with "path" and "enabled".
    void writeSection(tinyxml2::XMLElement &element) const override;

private:
    static QByteArray key(const QString &path) { return path.toUtf8(); }

    std::map<QByteArray, Plugin> m_records;
};

} // namespace tabulet::plugins
