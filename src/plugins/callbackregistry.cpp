#include "plugins/callbackregistry.h"

#include <algorithm>

namespace tabulet::plugins {

void CallbackRegistry::add(PluginEvent kind, PluginCallback callback)
{
    m_callbacks[static_cast<std::size_t>(kind)].push_back(std::move(callback));
}

const std::vector<PluginCallback> &CallbackRegistry::callbacks(PluginEvent kind) const
{
    return m_callbacks[static_cast<std::size_t>(kind)];
}

std::optional<unsigned> CallbackRegistry::commandIdFor(const QString &path, const QString &menuText,
                                                       const QByteArray &functionName)
{
    const QByteArray key = path.toUtf8() + '#' + menuText.toUtf8() + '#' + functionName;
    if (const auto found = m_commandIds.find(key); found != m_commandIds.end())
        return found->second;
    const unsigned next = kFirstCommandId + static_cast<unsigned>(m_commandIds.size());
    if (next > kLastCommandId)
        return std::nullopt;
    m_commandIds.emplace(key, next);
    return next;
}

const PluginCallback *CallbackRegistry::menuEntryWithId(unsigned id) const
{
    const auto &entries = callbacks(PluginEvent::MenuEntry);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [id](const PluginCallback &entry) { return entry.commandId == id; });
    return found == entries.end() ? nullptr : &*found;
}

const PluginCallback *CallbackRegistry::menuEntryWithText(const QString &menuText) const
{
    const auto &entries = callbacks(PluginEvent::MenuEntry);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const PluginCallback &entry) { return entry.menuText == menuText; });
    return found == entries.end() ? nullptr : &*found;
}

void CallbackRegistry::clear()
{
    for (auto &list : m_callbacks)
        list.clear();
}

} // namespace tabulet::plugins
