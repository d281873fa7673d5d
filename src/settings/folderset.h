#pragma once

#include <QString>

namespace tabulet::settings {

// Where the program's files live for one run. Folders carry no trailing separator.
struct FolderSet
{
    QString dataFolder;         // configuration, notes (the -homedir switch replaces it)
    QString programFolder;      // languages, themes and plug-ins shipped with the program
    QString tempFolder;         // the system's temporary folder, with its trailing separator
    QString executablePath;     // full file name of the running executable
    QString pluginsFolder;      // per-user plug-ins
    QString pluginConfigFolder; // plug-in settings files
    QString themesFolder;       // per-user themes
    QString languagesFolder;    // per-user languages

    // Shipped folders beside the per-user ones; listings put the per-user folder first.
    QString programLanguagesFolder() const { return programFolder + QStringLiteral("/languages"); }
    QString programThemesFolder() const { return programFolder + QStringLiteral("/themes"); }
    QString programPluginsFolder() const { return programFolder + QStringLiteral("/plugins"); }
};

// The path unchanged when it already ends in a separator ("\\" or "/"), else with "/" appended.
inline QString withSeparator(const QString &path)
{
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return path;
    return path + QLatin1Char('/');
}

} // namespace tabulet::settings
