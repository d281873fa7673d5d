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

namespace tabulet::archive {
namespace {

// Inside the data folder, so that the copies are moved into place without crossing a file system.
const QString kStagingFolder = QStringLiteral(".archive-restore");

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
        const ArchiveTree tree = listTree(m_archive.path());
        const QStringList staged = filesToStage(tree, replaced);

        if (!stage(tree, staged))
            return false;
        std::vector<RemovalItem> removals;
        for (const CopyItem &item : current)
            removals.push_back({item.source, false});
        removeListed(removals);
        for (const QString &folder : tree.folders)
            ensureFolderOrTell(m_data.filePath(folder), m_texts, m_host);
        for (const QString &file : staged) {
            QFile copy(QDir(m_staging).filePath(file));
            if (!copy.rename(m_data.filePath(file)))
                m_host.showMessage(copyFailedMessage(m_archive.filePath(file), copy.errorString()));
        }
        clearAway(m_staging);
        return true;
    }

private:
    // The archive's files that may come back: not one that would land outside the data folder,
    // and not one whose place is taken by a file the restore keeps.
    QStringList filesToStage(const ArchiveTree &tree, const QSet<QString> &replaced) const
    {
        QStringList files;
        for (const QString &file : tree.files) {
            const QString destination = m_data.filePath(file);
            const QFileInfo info(destination);
            // Journals belong to the notes they were typed into, never to an archive's.
            if (file.startsWith(QString(settings::kJournalFolder) + u'/'))
                continue;
            if (!staysInside(destination, m_data.path())) {
                m_host.showMessage(
                    copyFailedMessage(m_archive.filePath(file), QStringLiteral("outside the data folder")));
            } else if ((info.exists() || info.isSymLink()) && !replaced.contains(QDir::cleanPath(destination))) {
                m_host.showMessage(copyFailedMessage(m_archive.filePath(file), QStringLiteral("File exists")));
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
            tellNothingChanged(copyFailedMessage(m_archive.path(), QStringLiteral("no staging folder")));
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
        tellNothingChanged(copyFailedMessage(failedFile, reason));
        return false;
    }

    void tellNothingChanged(ArchiverMessage message)
    {
        message.detail = QStringLiteral("Nothing was restored: the notes and settings are as they were.");
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

} // namespace tabulet::archive
