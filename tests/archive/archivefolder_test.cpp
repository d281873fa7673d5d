#include "archivefixture.h"

#include <archive/archivefiles.h>
#include <archive/timestampname.h>

#include <sys/mount.h>

namespace tabulet::archive {
namespace {

using ArchiveFolder = testing::ArchiveFixture;

TEST(TimestampName, readsOnlyRealDatesAndTimes)
{
    const QDateTime moment(QDate(2006, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(timestampName(moment), QStringLiteral("20061231_235959"));
    EXPECT_EQ(readTimestampName(u"20061231_235959"), moment);
    for (const char16_t *text :
         {u"99999999_999999", u"00000000_000000", u"20230230_120000", u"20230101_240000", u"20230101-120000",
          u"2023010_1120000", u"20230101_1200000", u"0", u"",
          u"\u0662\u0660\u0662\u0663\u0660\u0661\u0660\u0661_\u0660\u0669\u0660\u0660\u0660\u0660"})
        EXPECT_FALSE(readTimestampName(text).has_value()) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(timeOfTimestampName(u"my_project", moment), moment);
}

// A custom archive folder that is the user's own folder of documents: only the archiver's own
// archives ever go, whatever the deletion interval.
TEST_F(ArchiveFolder, deletionLeavesEveryLookAlikeAlone)
{
    const QString documents = root.filePath(QStringLiteral("documents"));
    const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
    writeFile(elsewhere + QStringLiteral("/tab00001.rtf"), "kept behind a link");
    writeFile(documents + QStringLiteral("/my_project/tab00001.rtf"), "mine");
    writeFile(documents + QStringLiteral("/old_photos/a.jpg"), "photo");
    writeFile(documents + QStringLiteral("/20200101_000000/holiday.jpg"), "photo");
    writeFile(documents + QStringLiteral("/20200101_000001/src/main.c"), "code");
    writeFile(documents + QStringLiteral("/20200101_000002/tab00001.rtf"), "beside a link");
    QFile::link(elsewhere + QStringLiteral("/tab00001.rtf"), documents + QStringLiteral("/20200101_000002/x.rtf"));
    writeFile(documents + QStringLiteral("/99999999_999999/tab00001.rtf"), "no real time");
    QFile::link(elsewhere, documents + QStringLiteral("/20200101_000003"));
    writeFile(documents + QStringLiteral("/20200101_000004/pluginCFG/deeper/x.cfg"), "nested");
    writeFile(documents + QStringLiteral("/letter_draft.rtf"), "a file, not a folder");
    const QStringList before = snapshot(documents);
    writeFile(documents + QStringLiteral("/20200102_000000/tbu_config.xml"), "<config/>");
    writeFile(documents + QStringLiteral("/20200102_000000/Tab00002.RTF"), "archived");
    writeFile(documents + QStringLiteral("/20200102_000000/pluginCFG/plugin.cfg"), "archived");

    settings.value(QStringLiteral("usedefaultarchivedir")) = QStringLiteral("0");
    settings.value(QStringLiteral("deletearchive")) = QStringLiteral("1");
    settings.value(QStringLiteral("deletearchiveinterval")) = QStringLiteral("0");
    archiver.chooseFolder(documents, false);
    ASSERT_TRUE(archiver.setUp(host));
    QStringList listed;
    for (const ArchiveRecord &record : archiver.scanArchives())
        listed << QFileInfo(record.path).fileName() + u' ' + QString::number(record.fileCount);
    // The browser lists them all (links aside) so that any of them can be restored.
    EXPECT_EQ(listed, QStringList({"20200101_000000 1", "20200101_000001 0", "20200101_000002 2", "20200101_000004 0",
                                   "20200102_000000 2", "99999999_999999 1", "my_project 1", "old_photos 1"}));

    for (int minute = 0; minute < 3; ++minute)
        archiver.scheduledCheck(host);
    EXPECT_EQ(snapshot(documents), before);
    EXPECT_EQ(readFile(elsewhere + QStringLiteral("/tab00001.rtf")), "kept behind a link");
}

TEST_F(ArchiveFolder, anUnusableFolderIsToldOnceAndNothingIsArchived)
{
    writeFile(root.filePath(QStringLiteral("a file")), "x");
    for (const QString &folder :
         {root.filePath(QStringLiteral("a file")), root.filePath(QStringLiteral("no/such")), QString()}) {
        host.messages.clear();
        archiver.chooseFolder(folder, false);
        EXPECT_FALSE(archiver.setUp(host));
        EXPECT_EQ(host.texts(), QStringList({"cannot create"})) << folder.toStdString();
        settings.value(QStringLiteral("createarchiveinterval")) = QStringLiteral("0");
        settings.value(QStringLiteral("deletearchive")) = QStringLiteral("1");
        archiver.scheduledCheck(host);
        EXPECT_TRUE(archiver.archiveNow(false, host).isEmpty());
        EXPECT_EQ(host.messages.size(), 1u);
    }
    EXPECT_EQ(readFile(root.filePath(QStringLiteral("a file"))), "x");
}

TEST_F(ArchiveFolder, aReadOnlyFolderCannotBeUsed)
{
    const QString mountPoint = root.filePath(QStringLiteral("readonly"));
    QDir().mkpath(mountPoint);
    if (::mount("tmpfs", mountPoint.toLocal8Bit().constData(), "tmpfs", MS_RDONLY, "size=64k") != 0)
        GTEST_SKIP() << "no read-only file system can be mounted here";
    archiver.chooseFolder(mountPoint, false);
    EXPECT_FALSE(archiver.setUp(host));
    ::umount2(mountPoint.toLocal8Bit().constData(), MNT_DETACH);
    EXPECT_EQ(host.texts(), QStringList({"cannot use"}));
}

TEST_F(ArchiveFolder, anArchiveWhoseFolderCannotBeMadeStopsArchivingUntilTheNextStart)
{
    ASSERT_TRUE(archiver.setUp(host));
    // A file where the new archive's folder would go.
    writeFile(defaultArchiveFolder() + u'/' + timestampName(clock.now()), "in the way");
    EXPECT_TRUE(archiver.archiveNow(true, host).isEmpty());
    EXPECT_FALSE(archiver.isReady());
    EXPECT_EQ(settings.value(QStringLiteral("lastarchiving")), timestampName(clock.now()));
    passDays(1);
    EXPECT_TRUE(archiver.archiveNow(true, host).isEmpty());
    EXPECT_EQ(host.texts(), QStringList({"cannot create"}));
}

TEST_F(ArchiveFolder, anArchiveCutShortIsNeverListed)
{
    for (const char *name : {"tab00001.rtf", "tab00002.rtf", "tab00003.rtf"})
        addNote(QString::fromLatin1(name), name);
    ASSERT_TRUE(archiver.setUp(host));
    ASSERT_TRUE(
        testing::killedDuringFileWork(1, 2, [&](ArchiverHost &killing) { archiver.archiveNow(true, killing); }));
    EXPECT_TRUE(archiver.scanArchives().isEmpty());

    // The next archive in the same second is whole, and nothing of the cut one is left.
    const QString made = archiver.archiveNow(true, host);
    const QList<ArchiveRecord> listed = archiver.scanArchives();
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].path, made);
    EXPECT_EQ(listed[0].fileCount, 3);
    EXPECT_EQ(QDir(defaultArchiveFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({timestampName(clock.now())}));
}

TEST_F(ArchiveFolder, anArchiveThatDoesNotFitIsToldAndNotListed)
{
    const QString small = root.filePath(QStringLiteral("small"));
    QDir().mkpath(small);
    if (::mount("tmpfs", small.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    addNote(QStringLiteral("tab00001.rtf"), QByteArray(40 * 1024, 'x'));
    addNote(QStringLiteral("tab00002.rtf"), QByteArray(40 * 1024, 'y'));
    archiver.chooseFolder(small, false);
    const bool ready = archiver.setUp(host);
    const QString made = archiver.archiveNow(false, host);
    const QList<ArchiveRecord> listed = archiver.scanArchives();
    const QStringList left = QDir(small).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    ::umount2(small.toLocal8Bit().constData(), MNT_DETACH);
    ASSERT_TRUE(ready);
    EXPECT_TRUE(made.isEmpty());
    EXPECT_TRUE(listed.isEmpty());
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("tab00002.rtf"))) << host.messages[0].text.toStdString();
}

TEST_F(ArchiveFolder, aChangedFolderTakesEffectAtTheNextSetUp)
{
    ASSERT_TRUE(archiver.setUp(host));
    const QString custom = root.filePath(QStringLiteral("custom"));
    archiver.chooseFolder(custom, false);
    EXPECT_EQ(archiver.archiveFolder(), defaultArchiveFolder());
    ASSERT_TRUE(archiver.setUp(host));
    EXPECT_EQ(archiver.archiveFolder(), custom);
}

TEST_F(ArchiveFolder, tenThousandOddNamesAreScannedAndTheCheckGoesOn)
{
    // In memory where possible: removing ten thousand folders from a disk that discards freed
    // blocks takes half a minute.
    QTemporaryDir memory(QStringLiteral("/dev/shm/tabulet-archive-XXXXXX"));
    const QDir folder(memory.isValid() ? memory.path() : root.filePath(QStringLiteral("many")));
    folder.mkpath(QStringLiteral("."));
    archiver.chooseFolder(folder.path(), false);
    ASSERT_TRUE(archiver.setUp(host));
    for (int i = 0; i < 10000; ++i)
        folder.mkdir(QStringLiteral("n\u00e4me_%1").arg(i));
    for (const char *name : {"99999999_999999", "00000000_000000", "\u0662\u0660\u0662\u0663_\u0660"})
        folder.mkdir(QString::fromUtf8(name));
    settings.value(QStringLiteral("deletearchive")) = QStringLiteral("1");
    settings.value(QStringLiteral("deletearchiveinterval")) = QStringLiteral("0");
    settings.value(QStringLiteral("createarchiveinterval")) = QStringLiteral("0");
    archiver.scheduledCheck(host);
    const QList<ArchiveRecord> records = archiver.scanArchives();
    EXPECT_EQ(records.size(), 10003);
    EXPECT_EQ(records.front().time, clock.now());
}

TEST_F(ArchiveFolder, collectingNeverFollowsALinkOutOfTheDataFolder)
{
    const QString outside = root.filePath(QStringLiteral("outside"));
    writeFile(outside + QStringLiteral("/secret.rtf"), "secret");
    writeFile(outside + QStringLiteral("/settings.cfg"), "secret");
    writeFile(dataPath(QStringLiteral("tab00001.rtf")), "one");
    QFile::link(outside + QStringLiteral("/secret.rtf"), dataPath(QStringLiteral("tab00002.rtf")));
    QFile::link(dataPath(QStringLiteral("tab00001.rtf")), dataPath(QStringLiteral("tab00003.rtf")));
    QDir(dataPath(QStringLiteral("pluginCFG"))).removeRecursively();
    QFile::link(outside, dataPath(QStringLiteral("pluginCFG")));

    QStringList sources;
    for (const CopyItem &item : collectFiles(folders.dataFolder, notes, true))
        sources << QDir(folders.dataFolder).relativeFilePath(item.source);
    EXPECT_EQ(sources, QStringList({"tbu.ini", "tbu_config.xml", "tab00001.rtf", "tab00003.rtf"}));
}

} // namespace
} // namespace tabulet::archive
