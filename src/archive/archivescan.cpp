#include "archive/archivescan.h"

#include "archive/archivefiles.h"
#include "archive/timestampname.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tabulet::archive {
namespace {

constexpr QDir::Filters kEveryEntry = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

int countFiles(const QString &folder)
{
    int count = 0;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System); it.hasNext(); it.next())
        ++count;
    return count;
}

bool holdsOnlyPlainFiles(const QString &folder)
{
    for (QDirIterator it(folder, kEveryEntry); it.hasNext();) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (entry.isSymLink() || !entry.isFile())
            return false;
    }
    return true;
}

void appendTree(const QString &folder, std::vector<RemovalItem> &items)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(kEveryEntry, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            appendTree(entry.filePath(), items);
        else
            items.push_back({entry.filePath(), false});
    }
    items.push_back({folder, true});
}

} // namespace

QStringList archiveNames(const QString &archiveFolder)
{
    QStringList names;
    if (archiveFolder.isEmpty())
        return names;
    for (QDirIterator it(archiveFolder, {QStringLiteral("*_*")},
                         QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
         it.hasNext();) {
        it.next();
        names << it.fileName();
    }
    std::sort(names.begin(), names.end());
    return names;
}

QList<ArchiveRecord> scanArchives(const QString &archiveFolder, const QDateTime &now)
{
    const QStringList names = archiveNames(archiveFolder);
    const QDir folder(archiveFolder);
    QList<ArchiveRecord> records;
    records.reserve(names.size());
    for (const QString &name : std::as_const(names)) {
        ArchiveRecord record;
        const std::optional<QDateTime> named = readTimestampName(name);
        record.timestampNamed = named.has_value();
        record.time = named.value_or(now);
        record.path = folder.filePath(name);
        record.fileCount = countFiles(record.path);
        records << record;
    }
    return records;
}

bool holdsOnlyArchiveFiles(const QString &folder)
{
    for (QDirIterator it(folder, kEveryEntry); it.hasNext();) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (entry.isSymLink())
            return false;
        const QString name = entry.fileName();
        if (entry.isDir()) {
            if (name != kPluginSettingsFolder || !holdsOnlyPlainFiles(entry.filePath()))
                return false;
        } else if (!entry.isFile() || !isArchivedTopLevelName(name)) {
            return false;
        }
    }
    return true;
}

std::vector<RemovalItem> removalTree(const QString &folder)
{
    std::vector<RemovalItem> items;
    appendTree(folder, items);
    return items;
}

int removeListed(const std::vector<RemovalItem> &items)
{
    int failures = 0;
    for (const RemovalItem &item : items) {
        const bool removed = item.isFolder ? QDir().rmdir(item.path) : QFile::remove(item.path);
        if (!removed)
            ++failures;
    }
    return failures;
}

} // namespace tabulet::archive
