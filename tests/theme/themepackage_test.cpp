#include "theme/themepackage.h"

#include "casename.h"
#include "packagebuilder.h"
#include "printers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tabulet::theme {
namespace {

using test::Member;

class ThemePackageTest : public ::testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("p.tabutheme")) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

TEST_F(ThemePackageTest, readsStoredAndDeflatedMembersCompletely)
{
    const QByteArray big(200000, 'x');
    test::writePackage(path(), {{"config.xml", "<a/>", true}, {"images/big.bmp", big}});
    ThemePackage package;
    ASSERT_TRUE(package.open(path()));
    EXPECT_EQ(package.readMember("config.xml"), QByteArray("<a/>"));
    EXPECT_EQ(package.readMember("images/big.bmp"), big);
}

TEST_F(ThemePackageTest, findsMembersByTheirExactStoredName)
{
    test::writePackage(path(), {{"Top.bmp", "upper"}, {"images/x.bmp", "inner"}});
    ThemePackage package;
    ASSERT_TRUE(package.open(path()));
    EXPECT_FALSE(package.readMember("top.bmp"));
    EXPECT_FALSE(package.readMember("x.bmp"));
    EXPECT_FALSE(package.readMember("images\\x.bmp"));
    EXPECT_EQ(package.readMember("Top.bmp"), QByteArray("upper"));
    EXPECT_EQ(package.readMember("images/x.bmp"), QByteArray("inner"));
}

TEST_F(ThemePackageTest, theFirstOfTwoEqualNamesWins)
{
    test::writePackage(path(), {{"a.bmp", "first", true}, {"A.bmp", "second", true}});
    test::patchFile(path(), "A.bmp", "a.bmp");
    ThemePackage package;
    ASSERT_TRUE(package.open(path()));
    EXPECT_EQ(package.readMember("a.bmp"), QByteArray("first"));
}

TEST_F(ThemePackageTest, aClimbingMemberNameIsReadOnlyIntoMemory)
{
    test::writePackage(path(), {{"../x.bmp", "outside"}});
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    ThemePackage package;
    ASSERT_TRUE(package.open(path()));
    EXPECT_EQ(package.readMember("../x.bmp"), QByteArray("outside"));
    EXPECT_FALSE(package.readMember("x.bmp"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_FALSE(QFileInfo::exists(QDir(folder.path()).filePath("../x.bmp")));
}

TEST_F(ThemePackageTest, aMemberWhoseChecksumFailsIsDiscarded)
{
    test::writePackage(path(), {{"config.xml", "checksummed content", true}, {"ok.bmp", "fine", true}});
    test::patchFile(path(), "checksummed content", "checksummed cOntent");
    ThemePackage package;
    ASSERT_TRUE(package.open(path()));
    QString error;
    EXPECT_FALSE(package.readMember("config.xml", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(package.readMember("ok.bmp"), QByteArray("fine"));
}

TEST_F(ThemePackageTest, damagedDeflateStreamIsDiscarded)
{
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += QByteArray::number(i * 7919) + ' ';
    test::writePackage(path(), {{"config.xml", text}});
    QByteArray bytes = test::readFile(path());
    const auto *header = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype dataStart = 30 + qFromLittleEndian<quint16>(header + 26) + qFromLittleEndian<quint16>(header + 28);
    const qsizetype middle = dataStart + qFromLittleEndian<quint32>(header + 18) / 2;
    bytes[middle] = static_cast<char>(bytes[middle] ^ 0x55);
    test::writeFile(path(), bytes);
    ThemePackage package;
    ASSERT_TRUE(package.open(path()));
    EXPECT_FALSE(package.readMember("config.xml"));
}

TEST_F(ThemePackageTest, memberLargerThanTheBoundIsRefused)
{
    const QByteArray huge(ThemePackage::kMaxMemberSize + 1, '\0'); // deflates to a few kilobytes
    test::writePackage(path(), {{"huge.bmp", huge}, {"small.bmp", "s"}});
    ThemePackage package;
    ASSERT_TRUE(package.open(path()));
    EXPECT_FALSE(package.readMember("huge.bmp"));
    EXPECT_EQ(package.readMember("small.bmp"), QByteArray("s"));
}

TEST_F(ThemePackageTest, totalBoundHoldsUntilItIsReset)
{
    test::writePackage(path(), {{"a.bmp", QByteArray(600, 'a')}, {"b.bmp", QByteArray(600, 'b')}});
    ThemePackage package(ThemePackage::Limits{1000, 1000});
    ASSERT_TRUE(package.open(path()));
    EXPECT_TRUE(package.readMember("a.bmp"));
    EXPECT_FALSE(package.readMember("b.bmp"));
    package.resetTotalRead();
    EXPECT_TRUE(package.readMember("b.bmp"));
}

TEST_F(ThemePackageTest, hugeDeclaredSizeIsRefusedWithoutReading)
{
    test::writePackage(path(), {{"big.bmp", "12345678", true}});
    // Declare 0x7ffffff8 bytes in both headers.
    QByteArray bytes = test::readFile(path());
    const QByteArray declared("\xf8\xff\xff\x7f", 4);
    const qsizetype local = bytes.indexOf("PK\x03\x04");
    const qsizetype central = bytes.indexOf("PK\x01\x02");
    ASSERT_GE(local, 0);
    ASSERT_GE(central, 0);
    bytes.replace(local + 22, 4, declared);
    bytes.replace(central + 24, 4, declared);
    test::writeFile(path(), bytes);
    ThemePackage package;
    if (package.open(path())) {
        EXPECT_FALSE(package.readMember("big.bmp"));
    }
}

struct DamagedCase
{
    const char *name;
    QByteArray (*damage)(const QByteArray &archive);
};

class DamagedPackage : public ThemePackageTest, public ::testing::WithParamInterface<DamagedCase>
{
};

TEST_P(DamagedPackage, failsToOpenCleanly)
{
    test::writePackage(path(), {{"config.xml", QByteArray(5000, 'c')}});
    test::writeFile(path(), GetParam().damage(test::readFile(path())));
    ThemePackage package;
    QString error;
    EXPECT_FALSE(package.open(path(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(package.isOpen());
    EXPECT_FALSE(package.readMember("config.xml"));
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedPackage,
                         ::testing::Values(DamagedCase{"truncatedToHalf",
                                                       [](const QByteArray &a) {
                                                           return a.left(a.size() / 2);
                                                       }},
                                           DamagedCase{"lastBytesCut",
                                                       [](const QByteArray &a) {
                                                           return a.chopped(10);
                                                       }},
                                           DamagedCase{"empty",
                                                       [](const QByteArray &) {
                                                           return QByteArray();
                                                       }},
                                           DamagedCase{"text",
                                                       [](const QByteArray &) {
                                                           return QByteArray("<theme title=\"x\"/>\n");
                                                       }}),
                         test::caseName<DamagedCase>);

TEST_F(ThemePackageTest, missingFileFailsToOpen)
{
    ThemePackage package;
    EXPECT_FALSE(package.open(path("absent.tabutheme")));
    EXPECT_FALSE(package.readMember("config.xml"));
}

TEST_F(ThemePackageTest, opensFromMemoryToo)
{
    test::writePackage(path(), {{"config.xml", "<a/>"}});
    ThemePackage package;
    ASSERT_TRUE(package.openBytes(test::readFile(path())));
    EXPECT_EQ(package.readMember("config.xml"), QByteArray("<a/>"));
    EXPECT_FALSE(package.openBytes(QByteArray("not a zip")));
    EXPECT_FALSE(package.openBytes(QByteArray()));
}

} // namespace
} // namespace tabulet::theme
