#include "archivefixture.h"

#include <archive/archiverestore.h>
#include <archive/timestampname.h>
#include <settings/configurationfile.h>
#include <settings/presetlist.h>

#include <sys/mount.h>

namespace tabulet::archive {
namespace {

class Restore : public testing::ArchiveFixture
{
protected:
    // An archive of two notes, the configuration and a plug-in's settings, then a later state:
    // a note changed, one added, a plug-in file added, a plug-in's sub-folder made.
    ArchiveRecord archiveThenChange()
    {
        addNote(QStringLiteral("tab00001.rtf"), "first");
        addNote(QStringLiteral("tab00002.rtf"), "second");
        writeFile(dataPath(QStringLiteral("tbu_config.xml")), "<config>archived</config>");
        writeFile(dataPath(QStringLiteral("pluginCFG/clock.cfg")), "archived");
        EXPECT_TRUE(archiver.setUp(host));
        const QString made = archiver.archiveNow(true, host);
        archived = snapshot(folders.dataFolder);
        archived.removeIf([](const QString &entry) { return entry.startsWith(u"archive"); });

        passDays(3);
        writeFile(dataPath(QStringLiteral("tab00001.rtf")), "first, edited");
        addNote(QStringLiteral("tab00003.rtf"), "made after the archive");
        writeFile(dataPath(QStringLiteral("tbu_config.xml")), "<config>later</config>");
        writeFile(dataPath(QStringLiteral("pluginCFG/later.cfg")), "later");
        writeFile(dataPath(QStringLiteral("pluginCFG/cache/data.bin")), "kept");
        for (const ArchiveRecord &record : archiver.scanArchives()) {
            if (record.path == made)
                return record;
        }
        ADD_FAILURE() << "the archive is not listed";
        return {};
    }

    QStringList dataWithoutArchives() const
    {
        QStringList entries = snapshot(folders.dataFolder);
        entries.removeIf([](const QString &entry) { return entry.startsWith(u"archive"); });
        return entries;
    }

    // The data folder, sorted, and what a whole restore of archiveThenChange()'s archive leaves.
    QStringList sortedData() const
    {
        QStringList entries = dataWithoutArchives();
        entries.sort();
        return entries;
    }
    QStringList restoredData() const
    {
        QStringList expected = archived;
        // Sub-folders of the plug-in settings are not the archive's business.
        expected << QStringLiteral("pluginCFG/cache/") << QStringLiteral("pluginCFG/cache/data.bin: kept");
        expected.sort();
        return expected;
    }

    QStringList archived;
};

TEST_F(Restore, bringsBackTheArchivedStateAndDropsLaterNotesAndPluginFiles)
{
    const ArchiveRecord record = archiveThenChange();
    EXPECT_EQ(record.fileCount, 3);
    ASSERT_TRUE(archiver.restore(record, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(sortedData(), restoredData());
    EXPECT_EQ(settings.value(QStringLiteral("lastarchiving")), timestampName(clock.now()));
}

struct KillCase
{
    const char *name;
    int work;      // 1: gathering the copies, 2: replacing the current files
    int filesDone; // of the 4 files gathered; of the 7 files removed, then the 4 moved in
    InterruptedRestore recovery;
};

class RestoreKilled : public Restore, public ::testing::WithParamInterface<KillCase>
{
};

TEST_P(RestoreKilled, isEndedByTheNextStart)
{
    const ArchiveRecord record = archiveThenChange();
    const QStringList changed = sortedData();
    ASSERT_TRUE(testing::killedDuringFileWork(GetParam().work, GetParam().filesDone,
                                              [&](ArchiverHost &killing) { archiver.restore(record, killing); }));

    EXPECT_EQ(finishInterruptedRestore(folders.dataFolder), GetParam().recovery);
    EXPECT_EQ(sortedData(), GetParam().recovery == InterruptedRestore::RolledBack ? changed : restoredData());
    EXPECT_EQ(finishInterruptedRestore(folders.dataFolder), InterruptedRestore::None);
}

INSTANTIATE_TEST_SUITE_P(Steps, RestoreKilled,
                         ::testing::Values(KillCase{"gathering", 1, 0, InterruptedRestore::RolledBack},
                                           KillCase{"gatheringHalfDone", 1, 2, InterruptedRestore::RolledBack},
                                           KillCase{"listedNothingRemoved", 2, 0, InterruptedRestore::Finished},
                                           KillCase{"someRemoved", 2, 3, InterruptedRestore::Finished},
                                           KillCase{"allRemovedNoneMoved", 2, 7, InterruptedRestore::Finished},
                                           KillCase{"someMoved", 2, 9, InterruptedRestore::Finished}),
                         [](const ::testing::TestParamInfo<KillCase> &step) { return std::string(step.param.name); });

TEST_F(Restore, scriptsNeverComeBack)
{
    const ArchiveRecord record = archiveThenChange();
    writeFile(record.path + QStringLiteral("/plugins/clock.lua"), "os.execute('x')");
    writeFile(record.path + QStringLiteral("/plugins/lib/data.txt"), "read by a script");
    writeFile(record.path + QStringLiteral("/autorun.lua"), "os.execute('x')");
    writeFile(record.path + QStringLiteral("/pluginCFG/helper.lua"), "os.execute('x')");
    ASSERT_TRUE(archiver.restore(record, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("plugins"))));
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("autorun.lua"))));
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("pluginCFG/helper.lua"))));
    EXPECT_EQ(readFile(dataPath(QStringLiteral("tab00001.rtf"))), "first");
}

TEST_F(Restore, aFileTheRestoreDoesNotReplaceIsKeptAndTold)
{
    const ArchiveRecord record = archiveThenChange();
    writeFile(record.path + QStringLiteral("/notes.txt"), "from the archive");
    writeFile(dataPath(QStringLiteral("notes.txt")), "the user's own");
    ASSERT_TRUE(archiver.restore(record, host));
    EXPECT_EQ(readFile(dataPath(QStringLiteral("notes.txt"))), "the user's own");
    EXPECT_EQ(host.texts(), QStringList({"not copied: " + record.path + "/notes.txt (a file is there)"}));
    EXPECT_EQ(readFile(dataPath(QStringLiteral("tab00001.rtf"))), "first");
}

TEST_F(Restore, journalsAreNeitherArchivedNorBroughtBack)
{
    writeFile(dataPath(QStringLiteral("journal/tab00001.rtf.journal")), "typed");
    const ArchiveRecord record = archiveThenChange();
    EXPECT_EQ(record.fileCount, 3);
    EXPECT_FALSE(snapshot(record.path).join(u' ').contains(QStringLiteral("journal")));
    writeFile(record.path + QStringLiteral("/journal/tab00002.rtf.journal"), "put into the archive");
    ASSERT_TRUE(archiver.restore(record, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("journal/tab00002.rtf.journal"))));
    EXPECT_EQ(readFile(dataPath(QStringLiteral("tab00002.rtf"))), "second");
}

TEST_F(Restore, aFileThatCannotBeGatheredChangesNothing)
{
    const ArchiveRecord record = archiveThenChange();
    const QStringList before = dataWithoutArchives();
    // The archive loses a file between the listing and the copying.
    host.beforeWork = [&] {
        QFile::remove(record.path + QStringLiteral("/tab00002.rtf"));
    };
    EXPECT_FALSE(archiver.restore(record, host));
    EXPECT_EQ(dataWithoutArchives(), before);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.startsWith("not copied: " + record.path + "/tab00002.rtf ("));
    EXPECT_TRUE(host.messages[0].detail.startsWith(QStringLiteral("Nothing was restored")));
}

TEST_F(Restore, aFullDiskChangesNothing)
{
    // A data folder on a small file system that holds the current notes but not a second copy.
    folders.dataFolder = root.filePath(QStringLiteral("small"));
    QDir().mkpath(folders.dataFolder);
    if (::mount("tmpfs", folders.dataFolder.toLocal8Bit().constData(), "tmpfs", 0, "size=96k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    const QString archive = root.filePath(QStringLiteral("archives/20230101_090000"));
    const QByteArray page(40 * 1024, 'x');
    for (const char *name : {"tab00001.rtf", "tab00002.rtf"}) {
        writeFile(dataPath(QString::fromLatin1(name)), page);
        writeFile(archive + u'/' + QString::fromLatin1(name), "archived " + page);
    }
    const QStringList before = snapshot(folders.dataFolder);
    const bool restored = archiver.restore({clock.now(), archive, 2, true}, host);
    const QStringList after = snapshot(folders.dataFolder);
    ::umount2(folders.dataFolder.toLocal8Bit().constData(), MNT_DETACH);
    EXPECT_FALSE(restored);
    EXPECT_EQ(after, before);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("tab0000"))) << host.messages[0].text.toStdString();
}

TEST_F(Restore, nothingIsWrittenThroughALinkOutOfTheDataFolder)
{
    const ArchiveRecord record = archiveThenChange();
    const QString outside = root.filePath(QStringLiteral("outside"));
    writeFile(outside + QStringLiteral("/clock.cfg"), "not ours");
    QDir(dataPath(QStringLiteral("pluginCFG"))).removeRecursively();
    QFile::link(outside, dataPath(QStringLiteral("pluginCFG")));
    QFile::link(outside + QStringLiteral("/clock.cfg"), record.path + QStringLiteral("/linked.rtf"));

    ASSERT_TRUE(archiver.restore(record, host));
    EXPECT_EQ(snapshot(outside), QStringList({"clock.cfg: not ours"}));
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("linked.rtf"))));
    EXPECT_EQ(host.texts(),
              QStringList({"not copied: " + record.path + "/pluginCFG/clock.cfg (outside the data folder)"}));
}

TEST_F(Restore, aDamagedArchivedConfigurationIsKeptAsideByTheNextLoad)
{
    const ArchiveRecord record = archiveThenChange();
    writeFile(record.path + QStringLiteral("/tbu_config.xml"), "<config><options>");
    // The restore's own listing is what the archive holds now.
    ASSERT_TRUE(archiver.restore(record, host));

    settings::NoteList loaded;
    settings::PresetList presets;
    settings::ConfigurationFile configuration(folders, settings, loaded, presets);
    const settings::LoadResult result = configuration.load(false);
    EXPECT_TRUE(result.damaged);
    EXPECT_EQ(readFile(result.damagedCopy), "<config><options>");
    EXPECT_EQ(result.recoveredNotes, 2);
}

} // namespace
} // namespace tabulet::archive
