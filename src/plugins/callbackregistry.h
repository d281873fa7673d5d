#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <vector>

struct lua_State;

namespace tabulet::plugins {

// The kinds of callbacks a plug-in registers; the values are those scripts were written for.
enum class PluginEvent {
    SelectionChanged = 0,
    MenuEntry = 1,
    PreLoad = 2,
    LoadBuffer = 3,
    PostLoad = 4,
    PreSave = 5,
    SaveBuffer = 6,
    PostSave = 7,
    Timer = 8,
};
inline constexpr int kPluginEventCount = 9;

// One registration.
struct PluginCallback
{
    lua_State *lua = nullptr; // the registering plug-in's state
    QByteArray functionName;  // global function of the script
    QString label;            // menu entries: the submenu that holds the entry
    QString menuText;         // menu entries: the item text
    unsigned commandId = 0;   // menu entries: the id the item carries in menus
};

// The callbacks of every kind in registration order, and the command ids of menu entries.
class CallbackRegistry final
{
public:
    // Menu entries get ids in this range, clear of the program's own command ids.
    static constexpr unsigned kFirstCommandId = 0xC000;
    static constexpr unsigned kLastCommandId = 0xFFFF;

    void add(PluginEvent kind, PluginCallback callback);
    const std::vector<PluginCallback> &callbacks(PluginEvent kind) const;

    // The id for a (path, menu text, function name) key: the same key always gets the same id,
    // for as long as the program runs. Nothing once the range is used up.
    std::optional<unsigned> commandIdFor(const QString &path, const QString &menuText, const QByteArray &functionName);

    // The first menu entry in registration order with that id, or with exactly that menu text.
    const PluginCallback *menuEntryWithId(unsigned id) const;
    const PluginCallback *menuEntryWithText(const QString &menuText) const;

    // Drops every callback; command ids stay assigned.
    void clear();

private:
    std::array<std::vector<PluginCallback>, kPluginEventCount> m_callbacks;
    std::map<QByteArray, unsigned> m_commandIds;
};

} // namespace tabulet::plugins
