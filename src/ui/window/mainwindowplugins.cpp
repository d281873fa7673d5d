#include "ui/window/mainwindow.h"

#include "lang/formattext.h"
#include "platform/qtkeynames.h"
#include "plugins/pluginfolders.h"
#include "plugins/pluginhost.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/pluginhost/plugineditorbridge.h"
#include "ui/pluginhost/pluginsmenu.h"
#include "ui/window/mainwindowprompts.h"

#include <QDir>
#include <QMenu>
#include <QStandardPaths>

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
    host.setLanguage(m_context.texts.text(QStringLiteral("LOCALE")));
    // Scripts run with the user's rights: those of a data folder given with -homedir only when
    // the user says so.
    plugins::FolderConsent consent(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                   QStringLiteral("/tabulet/plugin-folders"));
    const QStringList scriptFolders = plugins::scriptFolders(folders, consent, [this](const QString &folder) {
        return m_prompts->askBeforeLoss(
            QString(), lang::formatText(m_context.texts.text(QStringLiteral("PLUGINS_FROM_NOTES_FOLDER")),
                                        {QDir::toNativeSeparators(folder)}));
    });
    host.loadPlugins(scriptFolders, folders.pluginConfigFolder);
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
