#include "archive/archiverestore.h"

#include "archive/archivefiles.h"
#include "archive/archiverhost.h"
#include "archive/archivermessages.h"
#include "archive/archivescan.h"
#include "lang/texttable.h"
#include "settings/notejournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <functional>

namespace tabulet::archive {
namespace {

// Inside the data folder, so that the copies are moved into place without crossing a file system.
const QString kStagingFolder = QStringLiteral(".archive-restore");
// Once everything is staged, the files the restore replaces are listed here before any of them
// goes; the list is renamed to the second name when they are gone and the staged files move in.
// A start that finds the staging folder without either finishes nothing and drops it.
const QString kReplacingMarker = QStringLiteral(".archive-restore-replacing");
const QString kMovingMarker = QStringLiteral(".archive-restore-moving");
// The list while it is written; a torn list is never taken for a finished one.
const QString kUnfinishedMarker = QStringLiteral(".archive-restore-listing");
// Archive entries that never come back: a data folder's scripts run as the user.
const QString kPluginsFolder = QStringLiteral("plugins");

// The archive's contents, relative to its folder: each folder's entries before its sub-folders'.
struct ArchiveTree
{
    QStringList folders;
    QStringList files;
};

ArchiveTree listTree(const QString &archivePath)
{
    ArchiveTree tree;
    const QDir root(archivePath);
    QStringList pending{QString()};
    while (!pending.isEmpty()) {
        const QString relative = pending.takeFirst();
        const QFileInfoList entries =
            QDir(root.filePath(relative))
                .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries) {
            const QString path = relative.isEmpty() ? entry.fileName() : relative + QLatin1Char('/') + entry.fileName();
            if (entry.isSymLink())
                continue;
            if (entry.isDir()) {
                tree.folders << path;
                pending << path;
            } else if (entry.isFile()) {
                tree.files << path;
            }
        }
    }
    return tree;
}

// Removes whatever stands at the path without following a link; true when nothing is left.
bool clearAway(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        removeListed(removalTree(path));
    else if (info.exists() || info.isSymLink())
        QFile::remove(path);
    const QFileInfo after(path);
    return !after.exists() && !after.isSymLink();
}

// The files the restore replaces, relative to the data folder, one per line.
bool writeReplacingMarker(const QDir &data, const std::vector<CopyItem> &current, QString *error)
{
    QByteArray list;
    for (const CopyItem &item : current)
        list += data.relativeFilePath(item.source).toUtf8() + '\n';
    const QString unfinished = data.filePath(kUnfinishedMarker);
    clearAway(unfinished);
    QFile file(unfinished);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) ||
        file.write(list) != list.size() || !file.flush()) {
        *error = file.errorString();
        file.remove();
        return false;
    }
    file.close();
    clearAway(data.filePath(kReplacingMarker));
    if (!QFile::rename(unfinished, data.filePath(kReplacingMarker))) {
        *error = QStringLiteral("could not name the list of replaced files");
        QFile::remove(unfinished);
        return false;
    }
    return true;
}

// The files the list names that lie in the data folder; a name that climbs out is passed over.
QStringList replacedFiles(const QDir &data, const QByteArray &list)
{
    QStringList paths;
    for (const QByteArray &line : list.split('\n')) {
        const QString name = QString::fromUtf8(line);
        if (name.isEmpty() || QDir::isAbsolutePath(name) || QDir::cleanPath(name).startsWith(QLatin1String("..")))
            continue;
        const QString path = data.filePath(name);
        if (QFileInfo(path).isSymLink() || staysInside(path, data.path()))
            paths << path;
    }
    return paths;
}

struct MoveFailure
{
    QString file; // relative to the staging folder
    QString reason;
};

using Step = std::function<void()>;

// The start ends a restore before there is anything to show its progress.
void noProgress() {}

// Removes the replaced files, then records that they are gone; false when that could not be
// recorded. Steps once per file.
bool removeReplaced(const QDir &data, const QStringList &replaced, const Step &step)
{
    for (const QString &path : replaced) {
        QFile::remove(path);
        step();
    }
    // Without the second name a later start would take the files moved in for current ones.
    return QFile::rename(data.filePath(kReplacingMarker), data.filePath(kMovingMarker));
}

// Moves every staged file to its place, making the folders it needs. Steps once per file.
std::vector<MoveFailure> moveStaged(const QDir &data, const Step &step)
{
    std::vector<MoveFailure> failures;
    const QString staging = data.filePath(kStagingFolder);
    if (QFileInfo(staging).isSymLink())
        return failures;
    const ArchiveTree tree = listTree(staging);
    for (const QString &folder : tree.folders)
        data.mkpath(folder);
    for (const QString &file : tree.files) {
        QFile copy(QDir(staging).filePath(file));
        if (!copy.rename(data.filePath(file)))
            failures.push_back({file, copy.errorString()});
        step();
    }
    return failures;
}

void dropRestoreFiles(const QDir &data)
{
    clearAway(data.filePath(kStagingFolder));
    for (const QString &marker : {kReplacingMarker, kMovingMarker, kUnfinishedMarker})
        clearAway(data.filePath(marker));
}

class Restore final
{
public:
    Restore(const QString &archivePath, const QString &dataFolder, lang::TextTable &texts, ArchiverHost &host)
        : m_archive(archivePath), m_data(dataFolder), m_staging(m_data.filePath(kStagingFolder)), m_texts(texts),
          m_host(host)
    {
    }

    bool run(const std::vector<CopyItem> &current)
    {
        QSet<QString> replaced;
        for (const CopyItem &item : current)
            replaced.insert(QDir::cleanPath(item.source));
        ArchiveTree tree = listTree(m_archive.path());
        tree.folders.removeIf([](const QString &folder) { return isInPluginsFolder(folder); });
        const QStringList staged = filesToStage(tree, replaced);

        if (!stage(tree, staged))
            return false;
        QString reason;
        if (!writeReplacingMarker(m_data, current, &reason)) {
            clearAway(m_staging);
            tellNothingChanged(copyFailedMessage(m_texts, m_data.filePath(kReplacingMarker), reason));
            return false;
        }
        for (const QString &folder : tree.folders)
            ensureFolderOrTell(m_data.filePath(folder), m_texts, m_host);
        QStringList currentFiles;
        for (const CopyItem &item : current)
            currentFiles << item.source;
        bool removed = false;
        std::vector<MoveFailure> failures;
        m_host.runFileWork(static_cast<int>(currentFiles.size() + staged.size()), [&](const Progress &progress) {
            int done = 0;
            const Step step = [&] {
                progress(++done);
            };
            removed = removeReplaced(m_data, currentFiles, step);
            if (removed)
                failures = moveStaged(m_data, step);
        });
        if (!removed) {
            m_host.showMessage(
                copyFailedMessage(m_texts, m_archive.path(), m_texts.text(QStringLiteral("ARCHIVER_RESTORELATER"))));
            return true;
        }
        for (const MoveFailure &failure : failures)
            m_host.showMessage(copyFailedMessage(m_texts, m_archive.filePath(failure.file), failure.reason));
        dropRestoreFiles(m_data);
        return true;
    }

private:
    // The archive's files that may come back: no script, not one that would land outside the
    // data folder, and not one whose place is taken by a file the restore keeps.
    QStringList filesToStage(const ArchiveTree &tree, const QSet<QString> &replaced) const
    {
        QStringList files;
        for (const QString &file : tree.files) {
            const QString destination = m_data.filePath(file);
            const QFileInfo info(destination);
            // Journals belong to the notes they were typed into, never to an archive's.
            if (isScript(file) || file.startsWith(QString(settings::kJournalFolder) + u'/'))
                continue;
            if (!staysInside(destination, m_data.path())) {
                m_host.showMessage(copyFailedMessage(m_texts, m_archive.filePath(file),
                                                     m_texts.text(QStringLiteral("ARCHIVER_OUTSIDEDATA"))));
            } else if ((info.exists() || info.isSymLink()) && !replaced.contains(QDir::cleanPath(destination))) {
                m_host.showMessage(copyFailedMessage(m_texts, m_archive.filePath(file),
                                                     m_texts.text(QStringLiteral("ARCHIVER_FILEEXISTS"))));
            } else {
                files << file;
            }
        }
        return files;
    }

    // Copies the files into the staging folder; on the first failure everything staged goes.
    bool stage(const ArchiveTree &tree, const QStringList &files)
    {
        if (!clearAway(m_staging) || !ensureFolderOrTell(m_staging, m_texts, m_host)) {
            tellNothingChanged(
                copyFailedMessage(m_texts, m_archive.path(), m_texts.text(QStringLiteral("ARCHIVER_NOSTAGING"))));
            return false;
        }
        const QDir staging(m_staging);
        QString failedFile;
        QString reason;
        for (const QString &folder : tree.folders) {
            if (!staging.mkpath(folder)) {
                failedFile = m_archive.filePath(folder);
                reason = QStringLiteral("could not make the folder %1").arg(staging.filePath(folder));
                break;
            }
        }
        if (failedFile.isEmpty()) {
            m_host.runFileWork(static_cast<int>(files.size()), [&](const Progress &progress) {
                int done = 0;
                for (const QString &file : files) {
                    if (!copyNewFile(m_archive.filePath(file), staging.filePath(file), &reason)) {
                        failedFile = m_archive.filePath(file);
                        return;
                    }
                    progress(++done);
                }
            });
        }
        if (failedFile.isEmpty())
            return true;
        clearAway(m_staging);
        tellNothingChanged(copyFailedMessage(m_texts, failedFile, reason));
        return false;
    }

    static bool isInPluginsFolder(const QString &path)
    {
        return path.section(QLatin1Char('/'), 0, 0).compare(kPluginsFolder, Qt::CaseInsensitive) == 0;
    }

    static bool isScript(const QString &file)
    {
        return isInPluginsFolder(file) || file.endsWith(QLatin1String(".lua"), Qt::CaseInsensitive);
    }

    void tellNothingChanged(ArchiverMessage message)
    {
        message.detail = m_texts.text(QStringLiteral("ARCHIVER_NOTHINGRESTORED"));
        m_host.showMessage(message);
    }

    const QDir m_archive;
    const QDir m_data;
    const QString m_staging;
    lang::TextTable &m_texts;
    ArchiverHost &m_host;
};

} // namespace

bool restoreArchive(const QString &archivePath, const QString &dataFolder, const settings::NoteList &notes,
                    lang::TextTable &texts, ArchiverHost &host)
{
    return Restore(archivePath, dataFolder, texts, host).run(collectFiles(dataFolder, notes, true));
}

InterruptedRestore finishInterruptedRestore(const QString &dataFolder)
{
    const QDir data(dataFolder);
    const auto exists = [&](const QString &name) {
        const QFileInfo info(data.filePath(name));
        return info.exists() || info.isSymLink();
    };
    if (exists(kMovingMarker)) {
        moveStaged(data, noProgress);
    } else if (QFile list(data.filePath(kReplacingMarker)); list.open(QIODevice::ReadOnly)) {
        const QStringList replaced = replacedFiles(data, list.readAll());
        list.close();
        // Should the step not be recorded, the staged files still move in: this start reads them.
        removeReplaced(data, replaced, noProgress);
        moveStaged(data, noProgress);
    } else {
        const bool staged = exists(kStagingFolder);
        dropRestoreFiles(data);
        return staged ? InterruptedRestore::RolledBack : InterruptedRestore::None;
    }
    dropRestoreFiles(data);
    return InterruptedRestore::Finished;
}

} // namespace tabulet::archive
