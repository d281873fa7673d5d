#include "ui/applicationcontext.h"

namespace tabulet::ui {

ApplicationContext::ApplicationContext(const settings::FolderSet &folderSet)
    : folders(folderSet), configuration(folders, settings, notes, presets)
{
    configuration.setCommandsSection(&commands);
    configuration.setPluginsSection(&plugins.table());
    commands.setPluginCommandRunner(&plugins);
}

} // namespace tabulet::ui
