#include "theme/membername.h"

#include "casename.h"

#include <gtest/gtest.h>

namespace tabulet::theme {
namespace {

struct NameCase
{
    const char *name;
    QByteArray member;
    QString shown;
};

class ShownMemberName : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ShownMemberName, keepsShortNamesAndTheEndsOfLongOnes)
{
    EXPECT_EQ(shownMemberName(GetParam().member), GetParam().shown);
}

const QString kEllipsis(QChar(0x2026));

INSTANTIATE_TEST_SUITE_P(Names, ShownMemberName,
                         ::testing::Values(NameCase{"short", "top.bmp", "top.bmp"},
                                           NameCase{"sixtyOneCharacters", QByteArray(61, 'a'), QString(61, 'a')},
                                           NameCase{"sixtyTwoCharacters", QByteArray(31, 'a') + QByteArray(31, 'b'),
                                                    QString(30, 'a') + kEllipsis + QString(30, 'b')},
                                           NameCase{"twentyMegabytes", "s" + QByteArray(20 << 20, 'x') + "e",
                                                    "s" + QString(29, 'x') + kEllipsis + QString(29, 'x') + "e"},
                                           // Two bytes a character: cut by characters, never inside one.
                                           NameCase{"umlauts", QString(100, QChar(0xE4)).toUtf8(),
                                                    QString(30, QChar(0xE4)) + kEllipsis + QString(30, QChar(0xE4))}),
                         test::caseName<NameCase>);

} // namespace
} // namespace tabulet::theme
