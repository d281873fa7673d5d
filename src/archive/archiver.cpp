#include "archive/archiver.h"

#include "archive/archivefiles.h"
#include "archive/archiverestore.h"
#include "archive/archiverhost.h"
#include "archive/archivermessages.h"
#include "archive/archivescan.h"
#include "archive/clock.h"
#include "archive/timestampname.h"
#include "lang/formattext.h"
#include "lang/texttable.h"
#include "settings/folderset.h"
#include "settings/settings.h"
#include "settings/textnumber.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <optional>

namespace tabulet::archive {
namespace {

constexpr qint64 kSecondsPerDay = 86400;

const QString kLastArchiving = QStringLiteral("lastarchiving");
// An archive being made; without an underscore, so that no scan lists it.
const QString kUnfinishedPrefix = QStringLiteral(".unfinished-");
// Gives the finished archive of `copied` files its name. Two archives in one second share a
// folder: whatever is there already stays as it is, and only the new files move in. Returns how
// many files the archive got; nothing when it could not be named.
std::optional<int> publishArchive(const QString &unfinished, const QString &archive, int copied)
{
    if (!QFileInfo(archive).isDir()) {
        if (!QDir().rename(unfinished, archive))
            return std::nullopt;
        return copied;
    }
    int moved = 0;
    for (QDirIterator it(unfinished, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        const QString target = QDir(archive).filePath(QDir(unfinished).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        if (QFile::rename(file, target))
            ++moved;
    }
    removeListed(removalTree(unfinished));
    return moved;
}

// Whole days from `from` to `to`, truncated toward zero (negative when `from` is later).
qint64 wholeDays(const QDateTime &from, const QDateTime &to)
{
    return from.secsTo(to) / kSecondsPerDay;
}

} // namespace

Archiver::Archiver(const settings::FolderSet &folders, settings::Settings &settings, const settings::NoteList &notes,
                   lang::TextTable &texts, const Clock &clock)
    : m_folders(folders), m_settings(settings), m_notes(notes), m_texts(texts), m_clock(clock)
{
}

void Archiver::chooseFolder(const QString &customFolder, bool useDefaultFolder)
{
    m_chosenCustomFolder = customFolder;
    m_chosenDefaultFolder = useDefaultFolder;
}

bool Archiver::setUp(ArchiverHost &host)
{
    m_archiveFolder =
        m_chosenDefaultFolder ? QDir(m_folders.dataFolder).filePath(QStringLiteral("archive")) : m_chosenCustomFolder;
    m_listedFolderChange = {};
    m_oldestListed.clear();
    m_ready = ensureFolderOrTell(m_archiveFolder, m_texts, host);
    return m_ready;
}

bool Archiver::isArchiveDue() const
{
    const QDateTime now = m_clock.now();
    const QDateTime last = timeOfTimestampName(m_settings.value(kLastArchiving), now);
    return wholeDays(last, now) >= settings::leadingNumber(m_settings.value(QStringLiteral("createarchiveinterval")));
}

QString Archiver::archiveNow(bool silent, ArchiverHost &host)
{
    if (!m_ready)
        return {};
    // Written before the folder is tried: a failed attempt also counts as the last archiving.
    const QString name = timestampName(m_clock.now());
    m_settings.value(kLastArchiving) = name;
    const QDir archiveFolder(m_archiveFolder);
    const QString archive = archiveFolder.filePath(name);
    const QFileInfo existing(archive);
    if ((existing.exists() || existing.isSymLink()) && !existing.isDir()) {
        // Tells the user why the archive's folder cannot be made.
        ensureFolderOrTell(archive, m_texts, host);
        m_ready = false;
        return {};
    }
    dropUnfinishedArchives();
    // Made under a name the scan does not list, and named as an archive only once it is whole.
    const QString unfinished = archiveFolder.filePath(kUnfinishedPrefix + QString(name).replace(u'_', u'-'));
    if (!ensureFolderOrTell(unfinished, m_texts, host)) {
        m_ready = false;
        return {};
    }

    const std::vector<CopyItem> items = collectFiles(m_folders.dataFolder, m_notes, false);
    QStringList usableSubFolders;
    for (const CopyItem &item : items) {
        if (!item.subFolder.isEmpty() && !usableSubFolders.contains(item.subFolder) &&
            ensureFolderOrTell(QDir(unfinished).filePath(item.subFolder), m_texts, host))
            usableSubFolders << item.subFolder;
    }

    std::atomic<int> copied = 0;
    QString failedFile;
    QString reason;
    host.runFileWork(static_cast<int>(items.size()), [&](const Progress &progress) {
        int done = 0;
        for (const CopyItem &item : items) {
            const QDir target(item.subFolder.isEmpty() ? unfinished : QDir(unfinished).filePath(item.subFolder));
            QString error;
            if ((item.subFolder.isEmpty() || usableSubFolders.contains(item.subFolder)) &&
                copyNewFile(item.source, target.filePath(QFileInfo(item.source).fileName()), &error)) {
                ++copied;
            } else if (QFileInfo::exists(item.source) && failedFile.isEmpty()) {
                // A file that is there but could not be copied (a full disk) leaves the archive
                // incomplete; a missing one is merely not archived.
                failedFile = item.source;
                reason = error;
            }
            progress(++done);
        }
    });
    if (!failedFile.isEmpty()) {
        removeListed(removalTree(unfinished));
        ArchiverMessage message = copyFailedMessage(m_texts, failedFile, reason);
        message.detail = m_texts.text(QStringLiteral("ARCHIVER_NOARCHIVE"));
        host.showMessage(message);
        return {};
    }
    const std::optional<int> archived = publishArchive(unfinished, archive, copied);
    if (!archived) {
        removeListed(removalTree(unfinished));
        host.showMessage(copyFailedMessage(
            m_texts, unfinished,
            lang::formatText(m_texts.text(QStringLiteral("ARCHIVER_NOTNAMED")), {QDir::toNativeSeparators(archive)})));
        return {};
    }
    if (!silent)
        host.showMessage(filesCopiedMessage(m_texts, *archived, archive));
    return archive;
}

void Archiver::dropUnfinishedArchives() const
{
    for (QDirIterator it(m_archiveFolder, {kUnfinishedPrefix + u'*'},
                         QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
         it.hasNext();) {
        const QString folder = it.next();
        if (holdsOnlyArchiveFiles(folder))
            removeListed(removalTree(folder));
    }
}

void Archiver::scheduledCheck(ArchiverHost &host)
{
    if (m_settings.flag(QStringLiteral("autoarchive")) && isArchiveDue())
        archiveNow(m_settings.flag(QStringLiteral("silentautoarchive")), host);
    if (m_settings.flag(QStringLiteral("deletearchive")))
        deleteOldArchives();
}

int Archiver::deleteOldArchives()
{
    if (!m_ready)
        return 0;
    const QDateTime now = m_clock.now();
    const int limit = settings::leadingNumber(m_settings.value(QStringLiteral("deletearchiveinterval")));
    std::vector<RemovalItem> removals;
    QStringList doomed;
    // Timestamp names sort by time: names after this one are younger than the limit by at least
    // a day, and the minute check need not read their times.
    const QString youngest = timestampName(now.addSecs(-(qint64(limit) - 1) * kSecondsPerDay));
    // Listing thousands of archives every minute is wasted while the folder is as it was listed
    // last and its oldest archive is still too young.
    const QDateTime folderChanged = QFileInfo(m_archiveFolder).lastModified();
    if (folderChanged.isValid() && folderChanged == m_listedFolderChange &&
        (m_oldestListed.isEmpty() || m_oldestListed > youngest))
        return 0;
    const QStringList names = archiveNames(m_archiveFolder);
    m_listedFolderChange = folderChanged;
    const auto oldest = std::find_if(names.begin(), names.end(),
                                     [](const QString &name) { return readTimestampName(name).has_value(); });
    m_oldestListed = oldest == names.end() ? QString() : *oldest;
    for (const QString &name : names) {
        if (name > youngest)
            continue;
        const std::optional<QDateTime> made = readTimestampName(name);
        const QString path = QDir(m_archiveFolder).filePath(name);
        if (!made || wholeDays(*made, now) < limit || !holdsOnlyArchiveFiles(path))
            continue;
        const std::vector<RemovalItem> tree = removalTree(path);
        removals.insert(removals.end(), tree.begin(), tree.end());
        doomed << path;
    }
    removeListed(removals);
    return static_cast<int>(
        std::count_if(doomed.begin(), doomed.end(), [](const QString &path) { return !QFileInfo::exists(path); }));
}

QList<ArchiveRecord> Archiver::scanArchives() const
{
    return archive::scanArchives(m_archiveFolder, m_clock.now());
}

bool Archiver::restore(const ArchiveRecord &archive, ArchiverHost &host)
{
    if (!restoreArchive(archive.path, m_folders.dataFolder, m_notes, m_texts, host))
        return false;
    m_settings.value(kLastArchiving) = timestampName(m_clock.now());
    return true;
}

} // namespace tabulet::archive
