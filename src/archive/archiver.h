#pragma once

#include "archive/archiverecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace tabulet::settings {
struct FolderSet;
class NoteList;
class Settings;
} // namespace tabulet::settings

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::archive {

class ArchiverHost;
class Clock;

// Dated copies of the notes, the configuration and the plug-in settings in an archive folder:
// made on demand or on a schedule counted in whole days, old ones deleted, one restored on
// request. Every time it needs comes from the clock.
class Archiver final
{
public:
    // Keeps references: all of them must outlive the archiver.
    Archiver(const settings::FolderSet &folders, settings::Settings &settings, const settings::NoteList &notes,
             lang::TextTable &texts, const Clock &clock);

    // The archive folder the configuration names, taken when the configuration is read; the
    // folder in use changes only at the next set-up, so an edit in the options waits for the
    // next start.
    void chooseFolder(const QString &customFolder, bool useDefaultFolder);
    // Fixes the archive folder last chosen (the data folder's "archive", or the custom folder as
    // written) and checks it, telling the user when it cannot be used. Once per start.
    bool setUp(ArchiverHost &host);
    const QString &archiveFolder() const { return m_archiveFolder; }
    // False before set-up, after a failed one, and once an archive's own folder could not be made.
    bool isReady() const { return m_ready; }

    // Whether the whole days since "lastarchiving" reach "createarchiveinterval".
    bool isArchiveDue() const;
    // Makes one archive of the files on disk now. Unless silent, tells how many files it copied.
    // Returns the new archive's folder; empty when none could be made. An archive is listed only
    // once every file that exists is in it: one that could not be copied (a full disk) is told
    // and the archive dropped, and one cut short is never listed.
    QString archiveNow(bool silent, ArchiverHost &host);
    // The minute check: an automatic archive when one is due, then the deletion of old archives
    // when that is on.
    void scheduledCheck(ArchiverHost &host);
    // Deletes the archives at least "deletearchiveinterval" whole days old; returns how many.
    // Only folders with a real timestamp name that hold nothing but archive files are touched.
    int deleteOldArchives();

    // The archives of the archive folder, oldest first.
    QList<ArchiveRecord> scanArchives() const;
    // Replaces the notes, configuration and plug-in settings of the data folder with the
    // archive's copies. False, with the data folder untouched, when the copies could not all be
    // gathered first; the user has then been told which file failed.
    bool restore(const ArchiveRecord &archive, ArchiverHost &host);

private:
    // Removes what an archive cut short (the process killed) left behind.
    void dropUnfinishedArchives() const;

    const settings::FolderSet &m_folders;
    settings::Settings &m_settings;
    const settings::NoteList &m_notes;
    lang::TextTable &m_texts;
    const Clock &m_clock;

    QString m_chosenCustomFolder;
    bool m_chosenDefaultFolder = true;
    QString m_archiveFolder;
    bool m_ready = false;
    // What the deletion found at its last listing: the folder's modification time and the name of
    // its oldest archive (empty when it held none).
    QDateTime m_listedFolderChange;
    QString m_oldestListed;
};

} // namespace tabulet::archive
