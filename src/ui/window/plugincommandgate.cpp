#include "ui/window/plugincommandgate.h"

#include "ui/window/mainwindowtabs.h"

namespace tabulet::ui {

PluginCommandGate::PluginCommandGate(commands::CommandTarget &target, NoteTabs &tabs, QObject *parent)
    : QObject(parent), m_target(target), m_tabs(tabs)
{
    // Queued: the read or write that ended may still be inside a tab switch that goes on.
    connect(&m_tabs, &NoteTabs::workDone, this, &PluginCommandGate::runWaiting, Qt::QueuedConnection);
}

void PluginCommandGate::runCommand(commands::CommandId id)
{
    if (m_tabs.isBusy() || !m_waiting.empty()) {
        m_waiting.push_back(id);
        return;
    }
    m_target.runCommand(id);
}

void PluginCommandGate::markShownNoteModified()
{
    m_tabs.markModifiedByPlugin();
}

void PluginCommandGate::runWaiting()
{
    while (!m_waiting.empty() && !m_tabs.isBusy()) {
        const commands::CommandId id = m_waiting.front();
        m_waiting.pop_front();
        m_target.runCommand(id);
    }
}

} // namespace tabulet::ui
