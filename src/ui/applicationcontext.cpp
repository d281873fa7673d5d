#include "ui/applicationcontext.h"

namespace tabulet::ui {

ApplicationContext::ApplicationContext(const settings::FolderSet &folderSet)
    : folders(folderSet), configuration(folders, settings, notes, presets)
{
    configuration.setCommandsSection(&commands);
    configuration.setArchiveFolderHandler([this](const QString &customArchiveDir, bool useDefaultArchiveDir) {
        archiver.chooseFolder(customArchiveDir, useDefaultArchiveDir);
    });
    configuration.setPluginsSection(&plugins.table());
    commands.setPluginCommandRunner(&plugins);
}

} // namespace tabulet::ui
