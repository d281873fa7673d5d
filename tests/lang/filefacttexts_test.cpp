// The size and date-time texts of the note properties and the archive browser.
#include "lang/filefacttexts.h"

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

struct SizeCase
{
    const char *name;
    qint64 bytes;
    const char *text;
};

class SizeText : public testing::TestWithParam<SizeCase>
{
};

TEST_P(SizeText, sizeText_changesUnitAfterAWholeThousandAndTwentyFour)
{
    EXPECT_EQ(sizeText(GetParam().bytes, QStringLiteral("%d Bytes")), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Bounds, SizeText,
                         testing::Values(SizeCase{"empty", 0, "0 Bytes"}, SizeCase{"oneKilo", 1024, "1024 Bytes"},
                                         SizeCase{"overOneKilo", 1025, "1.00 KB"},
                                         SizeCase{"oneMega", 1048576, "1024.00 KB"},
                                         SizeCase{"overOneMega", 1048577, "1.00 MB"},
                                         SizeCase{"oneGiga", 1073741824, "1024.00 MB"},
                                         SizeCase{"overOneGiga", 1073741825, "1.00 GB"},
                                         // Files past 2 GB and 4 GB keep their size, not its low 32 bits.
                                         SizeCase{"fiveGiga", 5LL * 1073741824, "5.00 GB"}),
                         [](const testing::TestParamInfo<SizeCase> &param) { return std::string(param.param.name); });

TEST(DateTimeText, dateTimeText_showsLocalTimeWithoutSeconds)
{
    const QDateTime local(QDate(2024, 3, 1), QTime(10, 30, 59));
    const QString text = dateTimeText(local);
    EXPECT_TRUE(text.contains(QStringLiteral("10:30"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral(":59"))) << text.toStdString();
    EXPECT_EQ(dateTimeText(local.toUTC()), text) << "a file time in UTC shows as the same local time";
}

} // namespace
} // namespace tabulet::lang
