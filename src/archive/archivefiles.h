#pragma once

#include "archive/archiverecord.h"

#include <QLatin1StringView>
#include <QString>

#include <vector>

namespace tabulet::settings {
class NoteList;
}

namespace tabulet::archive {

inline constexpr QLatin1StringView kLegacyFile("tbu.ini");
inline constexpr QLatin1StringView kConfigurationFile("tbu_config.xml");
inline constexpr QLatin1StringView kPluginSettingsFolder("pluginCFG");

// Whether a file of that name belongs at the top of an archive: the two settings files and
// rich-text note files.
bool isArchivedTopLevelName(const QString &name);

// What an archive holds, in order: "tbu.ini" and "tbu_config.xml" (listed even when missing),
// every file directly inside "pluginCFG", then the notes' files: with `allNotes`, every "*.rtf"
// file of the data folder; otherwise the file of every note of the list. A file reached through
// a symbolic link that leads out of the data folder is left out.
std::vector<CopyItem> collectFiles(const QString &dataFolder, const settings::NoteList &notes, bool allNotes);

// Whether the path, with its symbolic links resolved, lies inside the folder. A path that does
// not exist yet is judged by its nearest existing parent.
bool staysInside(const QString &path, const QString &folder);

// Copies a file to a target that must not exist yet; an existing target is never written over.
// A failed copy leaves no partial target behind. On failure, *error gets the system's reason.
bool copyNewFile(const QString &source, const QString &target, QString *error);

} // namespace tabulet::archive
