#pragma once

#include "archive/archiverecord.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace tabulet::archive {

// Names of the folders of the archive folder that contain an underscore, sorted; symbolic links
// are left out. Nothing for an empty folder path.
QStringList archiveNames(const QString &archiveFolder);

// The folders of the archive folder whose names contain an underscore, oldest first (by name).
// Symbolic links are not followed and not listed. Names that are no timestamp name get `now`.
QList<ArchiveRecord> scanArchives(const QString &archiveFolder, const QDateTime &now);

// Whether a folder holds only what an archive is made of: "tbu.ini", "tbu_config.xml", rich-text
// note files, and a "pluginCFG" folder of plain files. Anything else (another sub-folder, a
// symbolic link, a file of another kind) marks a folder of the user's that merely looks like an
// archive, which is never deleted.
bool holdsOnlyArchiveFiles(const QString &folder);

// The folder's tree in deletion order: every file before its folder, every folder before its
// parent, the folder itself last. Symbolic links are listed as files, never descended into.
std::vector<RemovalItem> removalTree(const QString &folder);

// Deletes the items in order; a failure is passed over and the next item is tried. Returns how
// many items could not be deleted.
int removeListed(const std::vector<RemovalItem> &items);

} // namespace tabulet::archive
