#pragma once

#include <QString>

namespace tabulet::settings {
class NoteList;
}

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::archive {

class ArchiverHost;

// Brings an archive back into the data folder. Every file of the archive is first copied into a
// staging folder inside the data folder; only when all of them are there are the current
// configuration, plug-in settings and note files deleted and the copies moved into their places.
// When gathering fails, the staging folder goes, nothing of the data folder is touched, the user
// is told which file failed, and the result is false.
//
// A file the restore does not delete and the archive also holds is never written over: it is
// reported and kept. Symbolic links of the archive are not followed, and nothing is written
// where a link would lead out of the data folder.
bool restoreArchive(const QString &archivePath, const QString &dataFolder, const settings::NoteList &notes,
                    lang::TextTable &texts, ArchiverHost &host);

} // namespace tabulet::archive
