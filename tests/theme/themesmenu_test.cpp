#include "theme/themesmenu.h"

#include "casename.h"
#include "printers.h"
#include "settings/settings.h"
#include "theme/subtheme.h"
#include "theme/tabfont.h"

#include <gtest/gtest.h>

namespace tabulet::theme {
namespace {

using Kind = ThemesMenuItem::Kind;

// One line per item: id, text and "*" when checked; "-" for a separator.
QStringList describe(const std::vector<ThemesMenuItem> &items)
{
    QStringList lines;
    for (const ThemesMenuItem &item : items) {
        if (item.kind == Kind::Separator)
            lines << "-";
        else
            lines << QString::number(item.id) + " " + item.text + (item.checked ? " *" : "");
    }
    return lines;
}

TEST(ThemesMenu, listsThemesThenSubthemesWithTheCurrentOnesChecked)
{
    EXPECT_EQ(
        describe(themesMenuItems({"dark", "default"}, "default", {"compact", "full"}, "full")),
        QStringList({"3700 dark", "3701 default *", "-", "3800 compact", "3801 full *", "-", "3900 GETMORETHEMES"}));
}

TEST(ThemesMenu, neverGivesIdsThatRunIntoTheNextRange)
{
    QStringList many;
    for (int i = 0; i < 150; ++i)
        many << QString::number(i);
    const std::vector<ThemesMenuItem> items = themesMenuItems(many, {}, many, {});
    int themes = 0;
    int subthemes = 0;
    for (const ThemesMenuItem &item : items) {
        if (item.kind == Kind::Theme) {
            ++themes;
            EXPECT_LT(item.id, 3800);
        } else if (item.kind == Kind::Subtheme) {
            ++subthemes;
            EXPECT_LT(item.id, 3900);
        }
    }
    EXPECT_EQ(themes, 100);
    EXPECT_EQ(subthemes, 100);
}

struct ChoiceCase
{
    const char *name;
    int id;
    ThemeMenuChoice::Kind kind;
    const char *chosen;
};

class ThemeMenuChoiceTest : public ::testing::TestWithParam<ChoiceCase>
{
};

TEST_P(ThemeMenuChoiceTest, meansWhatTheFreshListsSay)
{
    const ThemeMenuChoice choice = themeMenuChoice(GetParam().id, {"dark", "default"}, {"compact", "full"});
    EXPECT_EQ(choice.kind, GetParam().kind);
    EXPECT_EQ(choice.name, QString::fromUtf8(GetParam().chosen));
}

INSTANTIATE_TEST_SUITE_P(Ids, ThemeMenuChoiceTest,
                         ::testing::Values(ChoiceCase{"firstTheme", 3700, ThemeMenuChoice::Kind::Theme, "dark"},
                                           ChoiceCase{"lastTheme", 3701, ThemeMenuChoice::Kind::Theme, "default"},
                                           ChoiceCase{"themeBeyondTheList", 3702, ThemeMenuChoice::Kind::None, ""},
                                           ChoiceCase{"secondSubtheme", 3801, ThemeMenuChoice::Kind::Subtheme, "full"},
                                           ChoiceCase{"subthemeBeyondTheList", 3899, ThemeMenuChoice::Kind::None, ""},
                                           ChoiceCase{"moreThemes", 3900, ThemeMenuChoice::Kind::MoreThemes, ""},
                                           ChoiceCase{"belowTheRanges", 3699, ThemeMenuChoice::Kind::None, ""},
                                           ChoiceCase{"aboveTheRanges", 3901, ThemeMenuChoice::Kind::None, ""},
                                           ChoiceCase{"aCommandId", 3500, ThemeMenuChoice::Kind::None, ""}),
                         test::caseName<ChoiceCase>);

class TabFontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.applyDefaults();
        subtheme.tabFont = {true, "Verdana", true, false, 9, 15};
    }

    settings::Settings settings;
    Subtheme subtheme;
};

TEST_F(TabFontTest, themeFontOnlyWhenOverrideIsExactlyZero)
{
    settings.value("overridetheme") = "0";
    const TabFontChoice theme = chooseTabFont(&subtheme, settings);
    EXPECT_EQ(theme.face, "Verdana");
    EXPECT_EQ(theme.pointSize, 9);
    EXPECT_TRUE(theme.bold);
    EXPECT_EQ(theme.height, 15);

    for (const char *value : {"1", "yes", ""}) {
        settings.value("overridetheme") = value;
        const TabFontChoice options = chooseTabFont(&subtheme, settings);
        EXPECT_EQ(options.face, settings.value("tabfont")) << value;
        EXPECT_EQ(options.pointSize, settings.value("tabfontsize").toInt()) << value;
        EXPECT_EQ(options.height, settings.value("tabheight").toInt()) << value;
    }
}

TEST_F(TabFontTest, subthemeWithoutTabFontOrNoSubthemeUsesTheOptions)
{
    settings.value("overridetheme") = "0";
    settings.value("tabfont") = "DejaVu Sans";
    settings.value("tabfontbold") = "1";
    subtheme.tabFont.present = false;
    EXPECT_EQ(chooseTabFont(&subtheme, settings).face, "DejaVu Sans");
    EXPECT_TRUE(chooseTabFont(&subtheme, settings).bold);
    EXPECT_EQ(chooseTabFont(nullptr, settings).face, "DejaVu Sans");
}

TEST(TabHeight, growsToTheFontPlusSix)
{
    EXPECT_EQ(fontPixels(9, 96), 12);
    EXPECT_EQ(fontPixels(10, 96), 13); // 13.33
    EXPECT_EQ(fontPixels(11, 96), 15); // 14.67
    EXPECT_EQ(tabHeight(15, fontPixels(9, 96)), 18);
    EXPECT_EQ(tabHeight(20, fontPixels(9, 96)), 20);
    EXPECT_EQ(tabHeight(18, 12), 18);
}

} // namespace
} // namespace tabulet::theme
