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
// where a link would lead out of the data folder. Scripts never come back: neither the
// "plugins" folder nor any "*.lua" file of the archive.
//
// Marker files in the data folder record how far the restore got once the current files start
// to go, so that a restore cut short (the process killed, the machine off) is ended by
// `finishInterruptedRestore` at the next start.
bool restoreArchive(const QString &archivePath, const QString &dataFolder, const settings::NoteList &notes,
                    lang::TextTable &texts, ArchiverHost &host);

enum class InterruptedRestore {
    None,       // no restore was under way
    RolledBack, // it had not yet touched the current files: its staged copies were dropped
    Finished,   // it had begun to replace them: the rest were removed and the copies moved in
};

// Ends a restore cut short in the data folder; run at start, before the configuration is read,
// by the copy that owns the data folder.
InterruptedRestore finishInterruptedRestore(const QString &dataFolder);

} // namespace tabulet::archive
