#include "ui/window/mainwindow.h"

#include "platform/qtkeynames.h"
#include "plugins/pluginhost.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/pluginhost/plugineditorbridge.h"
#include "ui/pluginhost/pluginsmenu.h"

#include <QMenu>

namespace tabulet::ui {

void MainWindow::connectPlugins()
{
    plugins::PluginHost &host = m_context.plugins;
    m_pluginEditor = std::make_unique<PluginEditorBridge>(*m_editor);
    m_pluginCommands = new PluginCommandGate(*this, *m_tabs, this);
    m_editor->setPluginHost(&host);
    m_menus->setPluginMenus(
        [this](QMenu &submenu) {
            fillPluginsMenu(submenu, m_context.plugins, m_context.commands, platform::QtKeyNames());
        },
        [this](int id) { return m_context.plugins.runPluginMenuCommand(static_cast<unsigned>(id)); });
    connect(&m_pluginTimer, &QTimer::timeout, this,
            [this] { m_context.plugins.raiseEvent(plugins::PluginEvent::Timer); });
    connect(m_editor, &NoteEditor::characterTyped, this,
            [this] { m_context.plugins.raiseEvent(plugins::PluginEvent::SelectionChanged); });
}

void MainWindow::startPlugins()
{
    plugins::PluginHost &host = m_context.plugins;
    const settings::FolderSet &folders = m_context.folders;
    host.setEditor(m_pluginEditor.get());
    host.setWindow(m_pluginCommands);
    host.setDialogs(&m_pluginBoxes);
    host.setDataFolder(folders.dataFolder);
    // The run's data folder first (it is another one under -homedir), then the per-user folder
    // and the one shipped with the program.
    host.loadPlugins(
        {folders.dataFolder + QStringLiteral("/plugins"), folders.pluginsFolder, folders.programPluginsFolder()},
        folders.pluginConfigFolder);
}

void MainWindow::releasePlugins()
{
    plugins::PluginHost &host = m_context.plugins;
    host.setEditor(nullptr);
    host.setWindow(nullptr);
    host.setDialogs(nullptr);
    m_editor->setPluginHost(nullptr);
    host.unloadPlugins();
}

} // namespace tabulet::ui
