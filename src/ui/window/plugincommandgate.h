#pragma once

#include "commands/commandtarget.h"
#include "plugins/pluginwindow.h"

#include <QObject>

#include <deque>

namespace tabulet::ui {

class NoteTabs;

// Runs the commands plug-ins ask for. One asked while a note is read or written (from a load or
// save callback) waits until that is over: it may add, remove or switch notes, which the read or
// write still holds. Waiting commands run in the order they were asked.
class PluginCommandGate final : public QObject, public plugins::PluginWindow
{
public:
    PluginCommandGate(commands::CommandTarget &target, NoteTabs &tabs, QObject *parent = nullptr);

    void runCommand(commands::CommandId id) override;
    void markShownNoteModified() override;

private:
    void runWaiting();

    commands::CommandTarget &m_target;
    NoteTabs &m_tabs;
    std::deque<commands::CommandId> m_waiting;
};

} // namespace tabulet::ui
