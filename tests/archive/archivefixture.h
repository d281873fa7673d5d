#pragma once

#include "printers.h"

#include <archive/archiver.h>
#include <archive/archiverhost.h>
#include <archive/clock.h>
#include <lang/texttable.h>
#include <settings/folderset.h>
#include <settings/notelist.h>
#include <settings/settings.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <functional>
#include <vector>

namespace tabulet::archive::testing {

// A clock the test moves forward.
class FakeClock final : public Clock
{
public:
    QDateTime now() const override { return moment; }
    QDateTime moment{QDate(2023, 1, 1), QTime(9, 0)};
};

// Records the messages and runs file work in place, after `beforeWork` (which lets a test spoil
// a file between the planning and the copying).
class RecordingHost final : public ArchiverHost
{
public:
    void showMessage(const ArchiverMessage &message) override { messages.push_back(message); }
    void runFileWork(int fileCount, const FileWork &work) override
    {
        if (beforeWork)
            beforeWork();
        int reported = 0;
        work([&](int done) { reported = done; });
        EXPECT_LE(reported, fileCount);
    }

    QStringList texts() const
    {
        QStringList all;
        for (const ArchiverMessage &message : messages)
            all << message.text;
        return all;
    }

    std::vector<ArchiverMessage> messages;
    std::function<void()> beforeWork;
};

// Runs the action in a child process that is killed (SIGKILL) when its file work number
// `work` (counting from 1) reports `filesDone` files done, 0 meaning as that work begins.
// True when the child was killed there.
inline bool killedDuringFileWork(int work, int filesDone, const std::function<void(ArchiverHost &)> &action)
{
    class KillingHost final : public ArchiverHost
    {
    public:
        KillingHost(int work, int filesDone) : m_work(work), m_filesDone(filesDone) {}
        void showMessage(const ArchiverMessage &) override {}
        void runFileWork(int, const FileWork &fileWork) override
        {
            const bool here = ++m_works == m_work;
            if (here && m_filesDone == 0)
                ::kill(::getpid(), SIGKILL);
            fileWork([&](int done) {
                if (here && done == m_filesDone)
                    ::kill(::getpid(), SIGKILL);
            });
        }

    private:
        int m_work;
        int m_filesDone;
        int m_works = 0;
    };
    const pid_t child = ::fork();
    if (child == 0) {
        KillingHost host(work, filesDone);
        action(host);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// A data folder with an archiver over it, its options at their defaults, in UTC so that a day
// is always 86,400 seconds.
class ArchiveFixture : public ::testing::Test
{
protected:
    ArchiveFixture()
    {
        qputenv("TZ", "UTC");
        tzset();
        folders.dataFolder = root.filePath(QStringLiteral("data"));
        QDir().mkpath(folders.dataFolder + QStringLiteral("/pluginCFG"));
        settings.applyDefaults();
        texts.loadLanguageText("ARCHIVER_FILESCOPIED: %d files copied to %s\n"
                               "ARCHIVER_CREATEDIRFAILED: cannot create\n"
                               "ARCHIVER_CREATEDIRPERMISSIONS: cannot use\n"
                               "ARCHIVER_COPYFAILED: not copied: %s (%s)\n"
                               "ARCHIVER_FILEEXISTS: a file is there\n"
                               "ARCHIVER_OUTSIDEDATA: outside the data folder\n"
                               "ARCHIVER_NOTHINGRESTORED: Nothing was restored\n");
    }

    QString dataPath(const QString &name) const { return QDir(folders.dataFolder).filePath(name); }
    QString defaultArchiveFolder() const { return dataPath(QStringLiteral("archive")); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Relative paths and contents of every file under a folder, links shown by their targets.
    static QStringList snapshot(const QString &folder)
    {
        QStringList entries;
        const QDir base(folder);
        QStringList pending{folder};
        while (!pending.isEmpty()) {
            const QFileInfoList infos =
                QDir(pending.takeFirst())
                    .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
            for (const QFileInfo &info : infos) {
                const QString relative = base.relativeFilePath(info.filePath());
                if (info.isSymLink()) {
                    entries << relative + QStringLiteral(" -> ") + info.symLinkTarget();
                } else if (info.isDir()) {
                    entries << relative + u'/';
                    pending << info.filePath();
                } else {
                    entries << relative + QStringLiteral(": ") + QString::fromUtf8(readFile(info.filePath()));
                }
            }
        }
        return entries;
    }

    // A note of the list with its file written.
    void addNote(const QString &fileName, const QByteArray &text)
    {
        settings::Note note;
        note.title = fileName;
        note.fileName = fileName;
        notes.append(note);
        writeFile(dataPath(fileName), text);
    }

    // The archive folder's entries, by name.
    QStringList archiveNames() const
    {
        return QDir(archiver.archiveFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    void passDays(int days) { clock.moment = clock.moment.addSecs(qint64(days) * 86400); }

    QTemporaryDir root;
    settings::FolderSet folders;
    settings::Settings settings;
    settings::NoteList notes;
    lang::TextTable texts;
    FakeClock clock;
    RecordingHost host;
    Archiver archiver{folders, settings, notes, texts, clock};
};

} // namespace tabulet::archive::testing
