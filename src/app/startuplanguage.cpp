#include "app/startuplanguage.h"

#include "lang/languagefiles.h"
#include "lang/texttable.h"

namespace tabulet::app {

QString loadStartupLanguage(lang::TextTable &texts, const QString &configuredFile, const settings::FolderSet &folders)
{
    const QString userFolder = folders.languagesFolder;
    const QString programFolder = folders.programLanguagesFolder();
    const QString configuredPath = lang::languageFilePath(configuredFile, userFolder, programFolder);
    if (!configuredPath.isEmpty() && texts.loadLanguageFile(configuredPath))
        return configuredFile;

    const QStringList listed = lang::listLanguageFiles(userFolder, programFolder);
    if (listed.isEmpty())
        return {};
    const QString firstPath = lang::languageFilePath(listed.first(), userFolder, programFolder);
    if (texts.loadLanguageFile(firstPath))
        return listed.first();
    return {};
}

} // namespace tabulet::app
