#include "archivefixture.h"

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

    QStringList archived;
};

TEST_F(Restore, bringsBackTheArchivedStateAndDropsLaterNotesAndPluginFiles)
{
    const ArchiveRecord record = archiveThenChange();
    EXPECT_EQ(record.fileCount, 3);
    ASSERT_TRUE(archiver.restore(record, host));
    EXPECT_TRUE(host.messages.empty());
    QStringList expected = archived;
    // Sub-folders of the plug-in settings are not the archive's business.
    expected << QStringLiteral("pluginCFG/cache/") << QStringLiteral("pluginCFG/cache/data.bin: kept");
    expected.sort();
    QStringList restored = dataWithoutArchives();
    restored.sort();
    EXPECT_EQ(restored, expected);
    EXPECT_EQ(settings.value(QStringLiteral("lastarchiving")), timestampName(clock.now()));
}

TEST_F(Restore, aFileTheRestoreDoesNotReplaceIsKeptAndTold)
{
    const ArchiveRecord record = archiveThenChange();
    writeFile(record.path + QStringLiteral("/notes.txt"), "from the archive");
    writeFile(dataPath(QStringLiteral("notes.txt")), "the user's own");
    ASSERT_TRUE(archiver.restore(record, host));
    EXPECT_EQ(readFile(dataPath(QStringLiteral("notes.txt"))), "the user's own");
    EXPECT_EQ(host.texts(), QStringList({"could not copy file: " + record.path + "/notes.txt(File exists)"}));
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
    EXPECT_TRUE(host.messages[0].text.startsWith("could not copy file: " + record.path + "/tab00002.rtf("));
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
              QStringList({"could not copy file: " + record.path + "/pluginCFG/clock.cfg(outside the data folder)"}));
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
