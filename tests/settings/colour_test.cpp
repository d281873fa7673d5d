#include "casename.h"
#include <settings/colour.h>
#include <settings/textnumber.h>

#include <gtest/gtest.h>

namespace tabulet::settings {
namespace {

struct ColourCase
{
    const char *name;
    const char *text;
    Colour colour;
};

class ParseColourValue : public ::testing::TestWithParam<ColourCase>
{
};

TEST_P(ParseColourValue, readsHexadecimalUpToTheFirstOtherCharacter)
{
    EXPECT_EQ(parseColourValue(QString::fromLatin1(GetParam().text)), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseColourValue,
    ::testing::Values(ColourCase{"paleYellowDefault", "91f3f9", 0x91f3f9}, ColourCase{"pureRed", "ff", 0x0000ff},
                      ColourCase{"pureBlue", "ff0000", 0xff0000}, ColourCase{"upperCase", "FF00", 0x00ff00},
                      ColourCase{"empty", "", 0}, ColourCase{"notHex", "xyz", 0},
                      ColourCase{"stopsAtOtherCharacter", "12g4", 0x12}, ColourCase{"leadingBlanks", "  a0", 0xa0},
                      ColourCase{"keepsLow24Bits", "1abcdef", 0xabcdef},
                      ColourCase{"longNumberKeepsLow24Bits", "123456789abcdef0", 0xcdef0 | 0xb00000},
                      ColourCase{"negativeSignIsNotADigit", "-ff", 0}),
    testing::caseName<ColourCase>);

TEST(ColourValue, formatsLowerCaseWithoutLeadingZeros)
{
    EXPECT_EQ(formatColourValue(0x91f3f9), QStringLiteral("91f3f9"));
    EXPECT_EQ(formatColourValue(0x0000ff), QStringLiteral("ff"));
    EXPECT_EQ(formatColourValue(0), QStringLiteral("0"));
    EXPECT_EQ(parseColourValue(formatColourValue(0x0a0b0c)), 0x0a0b0cu);
}

TEST(ColourValue, channelsAreRedLowBlueHigh)
{
    const Colour colour = colourFromRgb(249, 243, 145);
    EXPECT_EQ(colour, 0x91f3f9u);
    EXPECT_EQ(redOf(colour), 249);
    EXPECT_EQ(greenOf(colour), 243);
    EXPECT_EQ(blueOf(colour), 145);
}

TEST(ColourValue, channelsOutsideTheByteRangeAreClamped)
{
    EXPECT_EQ(colourFromRgb(300, -5, 2147483647), colourFromRgb(255, 0, 255));
}

struct NumberCase
{
    const char *name;
    const char *text;
    int number;
};

class LeadingNumber : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(LeadingNumber, readsLikeAtoi)
{
    EXPECT_EQ(leadingNumber(QString::fromLatin1(GetParam().text)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         ::testing::Values(NumberCase{"plain", "255", 255}, NumberCase{"blanksAndSign", "  -12", -12},
                                           NumberCase{"trailingText", "10pt", 10}, NumberCase{"none", "pt", 0},
                                           NumberCase{"empty", "", 0},
                                           NumberCase{"saturatesHigh", "99999999999", 2147483647},
                                           NumberCase{"saturatesLow", "-99999999999", -2147483647 - 1}),
                         testing::caseName<NumberCase>);

} // namespace
} // namespace tabulet::settings
