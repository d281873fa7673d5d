#include "plugins/pluginhost.h"

#include "plugins/pluginmenu.h"

#include <QFile>

namespace tabulet::plugins {

void PluginHost::raiseEvent(PluginEvent kind)
{
    bool &running = m_running[static_cast<std::size_t>(kind)];
    if (running)
        return;
    running = true;
    // By index and with a copy: a callback may register further callbacks, and one that ends the
    // program's run empties the registry once it returns.
    for (std::size_t i = 0; i < m_callbacks.callbacks(kind).size(); ++i) {
        const PluginCallback callback = m_callbacks.callbacks(kind)[i];
        callScriptFunction(callback.lua, callback.functionName);
    }
    running = false;
}

QString PluginHost::raisePreLoad(const QString &path)
{
    m_buffers.loadFileName = QFile::encodeName(path);
    raiseEvent(PluginEvent::PreLoad);
    return QFile::decodeName(m_buffers.loadFileName);
}

QByteArray PluginHost::raiseLoadBuffer(const QByteArray &bytes)
{
    m_buffers.loadBuffer = bytes;
    raiseEvent(PluginEvent::LoadBuffer);
    return m_buffers.loadBuffer;
}

QString PluginHost::raisePreSave(const QString &path)
{
    m_buffers.saveFileName = QFile::encodeName(path);
    raiseEvent(PluginEvent::PreSave);
    return QFile::decodeName(m_buffers.saveFileName);
}

QByteArray PluginHost::raiseSaveBuffer(const QByteArray &bytes)
{
    m_buffers.saveBuffer = bytes;
    raiseEvent(PluginEvent::SaveBuffer);
    return m_buffers.saveBuffer;
}

bool PluginHost::runPluginMenuCommand(unsigned commandId)
{
    const PluginCallback *entry = m_callbacks.menuEntryWithId(commandId);
    if (!entry)
        return false;
    const PluginCallback chosen = *entry;
    callScriptFunction(chosen.lua, chosen.functionName);
    return true;
}

bool PluginHost::runPluginCommandByName(const QString &name)
{
    const QLatin1String prefix(kPluginCommandPrefix);
    const QString menuText = name.startsWith(prefix) ? name.mid(prefix.size()) : name;
    const PluginCallback *entry = m_callbacks.menuEntryWithText(menuText);
    if (!entry)
        return false;
    const PluginCallback chosen = *entry;
    callScriptFunction(chosen.lua, chosen.functionName);
    return true;
}

} // namespace tabulet::plugins
