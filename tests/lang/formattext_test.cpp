#include "lang/formattext.h"

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

struct FormatCase
{
    const char *name;
    const char *format;
    const char *expected;
};

// Every case is formatted with the arguments (12, "notes"), as the archive message is.
class FormatTextWithNumberAndText : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatTextWithNumberAndText, formatText_fillsOnlySafePlaceholders)
{
    const QString result = formatText(QString::fromUtf8(GetParam().format), {12, QStringLiteral("notes")});
    EXPECT_EQ(result, QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatTextWithNumberAndText,
    testing::Values(FormatCase{"numberThenText", "%d files copied to %s", "12 files copied to notes"},
                    FormatCase{"iAndUAreNumbers", "%i/%u", "12/%u"},
                    FormatCase{"textPlaceholderTakesNumber", "%s and %s", "12 and notes"},
                    FormatCase{"numberPlaceholderRefusesText", "%d and %d", "12 and %d"},
                    FormatCase{"percentPercent", "100%% of %d", "100% of 12"},
                    FormatCase{"placeholderBeyondArguments", "%d %s %s", "12 notes %s"},
                    FormatCase{"writeConversion", "%n%d", "%n12"}, FormatCase{"hexAndPointer", "%x %p %d", "%x %p 12"},
                    FormatCase{"starPrecision", "%.*s %d", "%.*s 12"}, FormatCase{"width", "%5s %d", "%5s 12"},
                    FormatCase{"lengthModifier", "%ld %d", "%ld 12"}, FormatCase{"percentAtEnd", "%d%", "12%"},
                    FormatCase{"qtStylePlaceholder", "%1 %d", "%1 12"}, FormatCase{"noPlaceholders", "Grüße", "Grüße"},
                    FormatCase{"emptyFormat", "", ""}),
    [](const testing::TestParamInfo<FormatCase> &testInfo) { return testInfo.param.name; });

TEST(FormatText, formatText_textArgumentIsNeverReadAsFormat)
{
    EXPECT_EQ(formatText(QStringLiteral("Tabulet - %s"), {QStringLiteral("%s%n%d 100%%")}),
              QStringLiteral("Tabulet - %s%n%d 100%%"));
}

TEST(FormatText, formatText_acceptsEveryIntegerType)
{
    EXPECT_EQ(formatText(QStringLiteral("%d %u %d"), {qint64(-5), quint64(18446744073709551615ULL), short(7)}),
              QStringLiteral("-5 18446744073709551615 7"));
}

TEST(FormatText, formatPlaceholders_listsWhatTheFormatTakes)
{
    EXPECT_EQ(formatPlaceholders(QStringLiteral("%d files copied to %s")), QStringLiteral("ds"));
    EXPECT_EQ(formatPlaceholders(QStringLiteral("%i %u %%s %5s %n %")), QStringLiteral("dd"));
    EXPECT_EQ(formatPlaceholders(QStringLiteral("no placeholder")), QString());
}

} // namespace
} // namespace tabulet::lang
