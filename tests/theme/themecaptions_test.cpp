#include "theme/themecaptions.h"

#include <gtest/gtest.h>

namespace tabulet::theme {
namespace {

struct CaptionCase
{
    const char *caseName;
    const char *language;
    QByteArray xml;
    const char *theme;
    const char *full; // what the subtheme titled "full" shows; "" when it has no caption
};

class ThemeCaptionsTest : public testing::TestWithParam<CaptionCase>
{
};

TEST_P(ThemeCaptionsTest, comeInTheLanguageElseTheGeneralCaption)
{
    const ThemeCaptions captions = themeCaptions(GetParam().xml, QString::fromLatin1(GetParam().language));
    EXPECT_EQ(captions.theme, QString::fromUtf8(GetParam().theme));
    EXPECT_EQ(captions.subthemes.value(QStringLiteral("full")), QString::fromUtf8(GetParam().full));
}

const QByteArray kShippedStyle = "<themes caption=\"Dark\" caption-de=\"Dunkel\">"
                                 "<theme title=\"full\" caption=\"Full\" caption-de=\"Vollst\xc3\xa4ndig\"/>"
                                 "<theme title=\"compact\" caption=\"Compact\"/></themes>";

INSTANTIATE_TEST_SUITE_P(
    Packages, ThemeCaptionsTest,
    testing::Values(CaptionCase{"german", "de", kShippedStyle, "Dunkel", "Vollst\xc3\xa4ndig"},
                    CaptionCase{"languageWithoutCaptions", "fr", kShippedStyle, "Dark", "Full"},
                    CaptionCase{"noLanguage", "", kShippedStyle, "Dark", "Full"},
                    CaptionCase{"olderPackage", "de", "<themes><theme title=\"full\"/></themes>", "", ""},
                    CaptionCase{"windows1252", "de", "<themes caption-de=\"Gr\xfcn\"/>", "Gr\xc3\xbcn", ""},
                    CaptionCase{"notXml", "de", "<themes caption=\"x\"", "", ""},
                    CaptionCase{"blankCaption", "de",
                                "<themes caption=\"  \"><theme title=\"full\" caption=\" \"/></themes>", "", ""}),
    [](const testing::TestParamInfo<CaptionCase> &param) { return std::string(param.param.caseName); });

TEST(ThemeCaptions, onlySubthemesWithACaptionAreListed)
{
    const ThemeCaptions captions = themeCaptions(kShippedStyle, QStringLiteral("de"));
    EXPECT_EQ(captions.subthemes.size(), 2);
    EXPECT_EQ(captions.subthemes.value(QStringLiteral("compact")), QStringLiteral("Compact"));
}

} // namespace
} // namespace tabulet::theme
