#include "archivefixture.h"

#include <archive/timestampname.h>

namespace tabulet::archive {
namespace {

class Schedule : public testing::ArchiveFixture
{
protected:
    // Runs the minute check once a day for `days` days (the check is what decides, not the minutes).
    void checkDaily(int days)
    {
        for (int day = 0; day < days; ++day) {
            archiver.scheduledCheck(host);
            passDays(1);
        }
    }
};

TEST_F(Schedule, theDefaultLastArchivingNeverArchivesUntilAFirstArchiveOnDemand)
{
    addNote(QStringLiteral("tab00001.rtf"), "one");
    ASSERT_TRUE(archiver.setUp(host));
    ASSERT_EQ(settings.value(QStringLiteral("lastarchiving")), QStringLiteral("0"));
    checkDaily(365);
    EXPECT_TRUE(archiveNames().isEmpty());

    ASSERT_FALSE(archiver.archiveNow(true, host).isEmpty());
    EXPECT_EQ(settings.value(QStringLiteral("lastarchiving")), QStringLiteral("20240101_090000"));
    checkDaily(16);
    // The default interval is 15 days: the check on the 15th day after the first archive makes one.
    EXPECT_EQ(archiveNames(), QStringList({"20240101_090000", "20240116_090000"}));
    EXPECT_TRUE(host.messages.empty()) << "automatic archives are silent by default";
}

TEST_F(Schedule, anIntervalOfNDaysArchivesOnTheNthDay)
{
    settings.value(QStringLiteral("createarchiveinterval")) = QStringLiteral("7");
    settings.value(QStringLiteral("lastarchiving")) = timestampName(clock.now());
    ASSERT_TRUE(archiver.setUp(host));
    clock.moment = clock.moment.addSecs(7 * 86400 - 1);
    archiver.scheduledCheck(host);
    EXPECT_TRUE(archiveNames().isEmpty()) << "six days and 23:59:59 are six whole days";
    clock.moment = clock.moment.addSecs(1);
    archiver.scheduledCheck(host);
    EXPECT_EQ(archiveNames(), QStringList({"20230108_090000"}));

    // A year of minute checks makes one archive a week.
    for (int minute = 0; minute < 365 * 24 * 60; minute += 60) {
        clock.moment = clock.moment.addSecs(3600);
        archiver.scheduledCheck(host);
    }
    EXPECT_EQ(archiveNames().size(), 1 + 52);
}

TEST_F(Schedule, intervalZeroArchivesAtEveryCheckAndAFutureLastArchivingWaits)
{
    settings.value(QStringLiteral("createarchiveinterval")) = QStringLiteral("zero");
    ASSERT_TRUE(archiver.setUp(host));
    for (int minute = 0; minute < 3; ++minute) {
        archiver.scheduledCheck(host);
        clock.moment = clock.moment.addSecs(60);
    }
    EXPECT_EQ(archiveNames().size(), 3);

    // A time ahead of the clock gives a negative day count: due only once it lies the interval behind.
    settings.value(QStringLiteral("createarchiveinterval")) = QStringLiteral("2");
    settings.value(QStringLiteral("lastarchiving")) = QStringLiteral("20230110_090000");
    clock.moment = QDateTime(QDate(2023, 1, 11), QTime(9, 0));
    EXPECT_FALSE(archiver.isArchiveDue());
    clock.moment = QDateTime(QDate(2023, 1, 12), QTime(9, 0));
    EXPECT_TRUE(archiver.isArchiveDue());
}

TEST_F(Schedule, anUnreadableLastArchivingIsNeverDueAndTheCheckGoesOn)
{
    settings.value(QStringLiteral("createarchiveinterval")) = QStringLiteral("1");
    settings.value(QStringLiteral("deletearchive")) = QStringLiteral("1");
    settings.value(QStringLiteral("deletearchiveinterval")) = QStringLiteral("30");
    ASSERT_TRUE(archiver.setUp(host));
    addNote(QStringLiteral("tab00001.rtf"), "one");
    ASSERT_FALSE(archiver.archiveNow(true, host).isEmpty());
    for (const char *value : {"99999999_999999", "00000000_000000", "2023011a_090000", "\u0662\u0660\u0662\u0663"}) {
        settings.value(QStringLiteral("lastarchiving")) = QString::fromUtf8(value);
        passDays(2);
        archiver.scheduledCheck(host);
        EXPECT_EQ(archiveNames().size(), 1) << value;
    }
    passDays(30);
    archiver.scheduledCheck(host);
    EXPECT_TRUE(archiveNames().isEmpty()) << "the deletion still runs";
}

TEST_F(Schedule, archivesAreDeletedOnceTheyAreOldEnough)
{
    settings.value(QStringLiteral("createarchiveinterval")) = QStringLiteral("10");
    settings.value(QStringLiteral("deletearchive")) = QStringLiteral("1");
    settings.value(QStringLiteral("deletearchiveinterval")) = QStringLiteral("25");
    addNote(QStringLiteral("tab00001.rtf"), "one");
    ASSERT_TRUE(archiver.setUp(host));
    archiver.archiveNow(true, host);
    checkDaily(40);
    // Made on days 0, 10, 20, 30; on day 39 the first two are 25 days old or more.
    EXPECT_EQ(archiveNames(), QStringList({"20230121_090000", "20230131_090000"}));
}

TEST_F(Schedule, twoArchivesInOneSecondShareAFolderAndOverwriteNothing)
{
    addNote(QStringLiteral("tab00001.rtf"), "first text");
    ASSERT_TRUE(archiver.setUp(host));
    const QString first = archiver.archiveNow(false, host);
    writeFile(dataPath(QStringLiteral("tab00001.rtf")), "second text");
    EXPECT_EQ(archiver.archiveNow(false, host), first);
    EXPECT_EQ(readFile(first + QStringLiteral("/tab00001.rtf")), "first text");
    // "tbu.ini" and "tbu_config.xml" do not exist: the count says what was really copied.
    EXPECT_EQ(host.texts(), QStringList({"1 files copied to " + QDir::toNativeSeparators(first),
                                         "0 files copied to " + QDir::toNativeSeparators(first)}));
}

} // namespace
} // namespace tabulet::archive
