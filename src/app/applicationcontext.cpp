#include "app/applicationcontext.h"

namespace tabulet::app {

ApplicationContext::ApplicationContext(const settings::FolderSet &folderSet)
    : folders(folderSet), configuration(folders, settings, notes, presets)
{
    configuration.setCommandsSection(&commands);
}

} // namespace tabulet::app
