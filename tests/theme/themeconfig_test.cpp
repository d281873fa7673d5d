#include "theme/themeconfig.h"

#include "casename.h"
#include "commands/commandtable.h"
#include "packagebuilder.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace tabulet::theme {
namespace {

using test::configXml;
using test::subthemeXml;

class ThemeConfig : public ::testing::Test
{
protected:
    ConfigResult parse(const QByteArray &themes) { return parseThemeConfig(configXml(themes), commandTable); }

    // The one subtheme of a document that must load.
    Subtheme only(const QByteArray &themes)
    {
        ConfigResult result = parse(themes);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.subthemes.size(), 1u);
        return result.subthemes.empty() ? Subtheme{} : result.subthemes.begin()->second;
    }

    commands::CommandTable commandTable;
};

TEST_F(ThemeConfig, titlesAreOrderedByteWise)
{
    const ConfigResult result = parse(subthemeXml("blue") + subthemeXml("Autumn") + subthemeXml("azure"));
    ASSERT_TRUE(result.ok);
    QStringList titles;
    for (const auto &[title, subtheme] : result.subthemes)
        titles << title;
    EXPECT_EQ(titles, QStringList({"Autumn", "azure", "blue"}));

    // Beyond the first plane too: U+FF21 (EF BC A1) before U+1F600 (F0 9F 98 80).
    const ByteOrder order;
    EXPECT_TRUE(order(QStringLiteral("\uFF21"), QStringLiteral("\U0001F600")));
    EXPECT_FALSE(order(QStringLiteral("\U0001F600"), QStringLiteral("\uFF21")));
    EXPECT_TRUE(order(QStringLiteral("a"), QStringLiteral("ab")));
}

TEST_F(ThemeConfig, windowsTextIsReadAsWindows1252)
{
    const ConfigResult result = parse(subthemeXml("Caf\xe9 \x80", "<bitmaps><bitmap img=\"caf\xe9.bmp\"/></bitmaps>"));
    ASSERT_TRUE(result.subthemes.contains(QString::fromUtf8("Caf\u00e9 \u20ac")));
    EXPECT_EQ(result.subthemes.begin()->second.bitmaps.at(0).imageMember, QByteArray("caf\xc3\xa9.bmp"));
}

TEST_F(ThemeConfig, aLaterSubthemeOfTheSameTitleReplacesTheEarlier)
{
    const ConfigResult result = parse(subthemeXml("full", "<rects><rect name=\"a\"/></rects>") +
                                      subthemeXml("full", "<rects><rect name=\"b\"/></rects>"));
    ASSERT_EQ(result.subthemes.size(), 1u);
    const Subtheme &full = result.subthemes.at("full");
    EXPECT_FALSE(full.rect("a"));
    EXPECT_TRUE(full.rect("b"));
}

TEST_F(ThemeConfig, missingTitleIsReportedAndStoredUnderTheEmptyTitle)
{
    const ConfigResult result = parse("<theme><config/><buttons/><combinedBitmaps/></theme>");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.problems, QStringList({"Theme has no title!"}));
    EXPECT_TRUE(result.subthemes.contains(QString()));
}

struct FailingCase
{
    const char *name;
    QByteArray xml;
    const char *failure; // the start of the reason given to tools
};

class ThemeConfigFails : public ThemeConfig, public ::testing::WithParamInterface<FailingCase>
{
};

TEST_P(ThemeConfigFails, andTheWholePackageWithIt)
{
    const ConfigResult result = parseThemeConfig(GetParam().xml, commandTable);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.failure.startsWith(QLatin1String(GetParam().failure))) << result.failure.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ThemeConfigFails,
    ::testing::Values(FailingCase{"withoutConfig", configXml("<theme title=\"a\"><buttons/><combinedBitmaps/></theme>"),
                                  "subtheme \"a\" lacks"},
                      FailingCase{"withoutButtons", configXml("<theme title=\"a\"><config/><combinedBitmaps/></theme>"),
                                  "subtheme \"a\" lacks"},
                      FailingCase{"withoutCombinedBitmaps", configXml("<theme title=\"a\"><config/><buttons/></theme>"),
                                  "subtheme \"a\" lacks"},
                      FailingCase{"whenALaterSubthemeIsIncomplete",
                                  configXml(subthemeXml("a") + "<theme title=\"b\"><config/></theme>"),
                                  "subtheme \"b\" lacks"},
                      FailingCase{"withoutAnySubtheme", configXml("<other/>"), "config.xml holds no theme"},
                      FailingCase{"empty", QByteArray(), "config.xml does not parse"},
                      FailingCase{"notXml", QByteArray("PK\3\4 not a document"), "config.xml does not parse"},
                      FailingCase{"unclosed", configXml(subthemeXml("a")).chopped(5), "config.xml does not parse"}),
    test::caseName<FailingCase>);

TEST_F(ThemeConfig, subthemesReadBeforeAFailureAreKept)
{
    const ConfigResult result = parse(subthemeXml("a") + "<theme title=\"b\"><config/></theme>" + subthemeXml("c"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.subthemes.contains("a"));
    EXPECT_FALSE(result.subthemes.contains("c"));
}

TEST_F(ThemeConfig, tabFontTakesBoldOnlyFromExactlyOne)
{
    const Subtheme plain = only("<theme title=\"t\"><config><tab fontface=\"Arial\" "
                                "bold=\"true\"/></config><buttons/><combinedBitmaps/></theme>");
    EXPECT_TRUE(plain.tabFont.present);
    EXPECT_EQ(plain.tabFont.face, "Arial");
    EXPECT_FALSE(plain.tabFont.bold);
    EXPECT_FALSE(plain.tabFont.italics);
    EXPECT_EQ(plain.tabFont.size, 10);
    EXPECT_EQ(plain.tabFont.height, 15);

    const Subtheme styled = only("<theme title=\"t\"><config><tab bold=\"1\" italics=\"1\" fontsize=\"9\" "
                                 "height=\"20\"/></config><buttons/><combinedBitmaps/></theme>");
    EXPECT_TRUE(styled.tabFont.bold);
    EXPECT_TRUE(styled.tabFont.italics);
    EXPECT_EQ(styled.tabFont.face, "");
    EXPECT_EQ(styled.tabFont.size, 9);
    EXPECT_EQ(styled.tabFont.height, 20);

    EXPECT_FALSE(only(subthemeXml("t")).tabFont.present);
}

TEST_F(ThemeConfig, transparencyNeedsEnableOneAndKeysBlackByDefault)
{
    const auto config = [](const QByteArray &inner) {
        return "<theme title=\"t\"><config>" + inner + "</config><buttons/><combinedBitmaps/></theme>";
    };
    const Subtheme two = only(config("<transparency enable=\"2\" chromakey=\"ff00ff\"/>"));
    EXPECT_FALSE(two.transparency);

    const Subtheme black = only(config("<transparency enable=\"1\"/>"));
    EXPECT_TRUE(black.transparency);
    EXPECT_EQ(black.chromaKey, 0u);

    const Subtheme magenta = only(config("<transparency enable=\"1\" chromakey=\"ff0080\"/>"));
    EXPECT_EQ(magenta.chromaKey, 0x8000ffu);
}

TEST_F(ThemeConfig, minimumSizeAndTabBackground)
{
    const Subtheme subtheme = only("<theme title=\"t\"><config><minsize width=\"300\" height=\"200\"/>"
                                   "<tabbg color=\"ff0000\"/></config><buttons/><combinedBitmaps/></theme>");
    EXPECT_EQ(subtheme.minimumSize(), QSize(300, 200));
    ASSERT_TRUE(subtheme.tabBackground);
    EXPECT_EQ(*subtheme.tabBackground, 0x0000ffu); // red in the low byte

    const Subtheme bare = only(subthemeXml("t"));
    EXPECT_EQ(bare.minimumSize(), QSize(0, 0));
    EXPECT_FALSE(bare.tabBackground);
}

TEST(ThemeColour, readsRedFirstAndNonHexAsBlack)
{
    EXPECT_EQ(parseThemeColour("ff0000"), 0x0000ffu);
    EXPECT_EQ(parseThemeColour("00ff00"), 0x00ff00u);
    EXPECT_EQ(parseThemeColour("0000FF"), 0xff0000u);
    EXPECT_EQ(parseThemeColour("91f3f9"), 0xf9f391u);
    EXPECT_EQ(parseThemeColour("zz0000"), 0u);
    EXPECT_EQ(parseThemeColour("#ff0000"), 0u);
    EXPECT_EQ(parseThemeColour(""), 0u);
}

TEST_F(ThemeConfig, rectsKeepNamedOnesTheLastOfANameAndAlwaysARoot)
{
    const Subtheme subtheme = only(
        subthemeXml("t", "<rects><rect x1=\"1\"/><rect name=\"tab\" x1=\"1\"/>"
                         "<rect name=\"tab\" x1=\"2\" y1=\"-3\" x2=\"-4\" y2=\"5\" flags=\"CenterX\" parent=\"ROOT\"/>"
                         "</rects>"));
    EXPECT_EQ(subtheme.rects.size(), 2u);
    const ThemeRect *root = subtheme.rect("ROOT");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->coordinates.x2, -1);
    EXPECT_EQ(root->coordinates.y2, -1);
    const ThemeRect *tab = subtheme.rect("tab");
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->coordinates.x1, 2);
    EXPECT_EQ(tab->coordinates.y1, -3);
    EXPECT_EQ(tab->coordinates.x2, -4);
    EXPECT_EQ(tab->coordinates.y2, 5);
    EXPECT_EQ(tab->coordinates.centring, (Centring{true, false}));
}

TEST_F(ThemeConfig, rootFromTheFileReplacesTheBuiltInOne)
{
    const Subtheme subtheme =
        only(subthemeXml("t", "<rects><rect name=\"ROOT\" x1=\"5\" y1=\"5\" x2=\"-6\" y2=\"-6\"/></rects>"));
    EXPECT_EQ(subtheme.rect("ROOT")->coordinates.x1, 5);
}

TEST_F(ThemeConfig, centringFlagsAreFoundAnywhereInAnyCase)
{
    const auto flagsOf = [&](const QByteArray &flags) {
        return only(subthemeXml("t", "<bitmaps><bitmap img=\"a.bmp\" flags=\"" + flags + "\"/></bitmaps>"))
            .bitmaps.at(0)
            .coordinates.centring;
    };
    EXPECT_EQ(flagsOf("centerx"), (Centring{true, false}));
    EXPECT_EQ(flagsOf("CENTERY"), (Centring{false, true}));
    EXPECT_EQ(flagsOf("stretch|CenterY|centerX"), (Centring{true, true}));
    EXPECT_EQ(flagsOf("center"), (Centring{false, false}));
}

TEST_F(ThemeConfig, absentCoordinatesReadAsZeroAndHugeOnesAreHeld)
{
    const Subtheme subtheme = only(
        subthemeXml("t", "<bitmaps><bitmap/><bitmap x1=\"99999999999\" y1=\"-99999999999\" x2=\"12px\"/></bitmaps>"));
    ASSERT_EQ(subtheme.bitmaps.size(), 2u);
    const Coordinates &absent = subtheme.bitmaps[0].coordinates;
    EXPECT_EQ(absent.x1, 0);
    EXPECT_EQ(absent.y2, 0);
    EXPECT_TRUE(subtheme.bitmaps[0].imageMember.isEmpty());
    const Coordinates &huge = subtheme.bitmaps[1].coordinates;
    EXPECT_EQ(huge.x1, 1 << 20);
    EXPECT_EQ(huge.y1, -(1 << 20));
    EXPECT_EQ(huge.x2, 12);
}

TEST_F(ThemeConfig, bitmapsKeepDocumentOrderAndTheirMembers)
{
    const Subtheme subtheme = only(subthemeXml("t", "<bitmaps><bitmap img=\"top.bmp\" mask=\"top_mask.bmp\"/><bitmap "
                                                    "img=\"../x.bmp\" parent=\"ROOT\"/></bitmaps>"));
    ASSERT_EQ(subtheme.bitmaps.size(), 2u);
    EXPECT_EQ(subtheme.bitmaps[0].imageMember, "top.bmp");
    EXPECT_EQ(subtheme.bitmaps[0].maskMember, "top_mask.bmp");
    EXPECT_EQ(subtheme.bitmaps[1].imageMember, "../x.bmp");
    EXPECT_TRUE(subtheme.bitmaps[1].maskMember.isEmpty());
}

TEST_F(ThemeConfig, buttonsTakeIdAndToolTipKeyFromTheCommandTable)
{
    const Subtheme subtheme = only(subthemeXml(
        "t", "<buttons>"
             "<button cmd=\"makeSelectionBold\" x=\"-20\" y=\"4\"><state name=\"normal\"><bitmap img=\"b.bmp\"/>"
             "<bitmap img=\"ignored.bmp\"/></state><state name=\"selected\"><bitmap img=\"bs.bmp\"/></state></button>"
             "<button cmd=\"showMenu\"><state name=\"normal\"><bitmap img=\"m.bmp\"/></state></button>"
             "<button cmd=\"changeToPrevTab\"><state name=\"normal\"/></button>"
             "<button cmd=\"noSuchCommand\"><state name=\"normal\"><bitmap img=\"n.bmp\"/></state></button>"
             "<button cmd=\"exit\"><state name=\"mouseover\"><bitmap img=\"e.bmp\"/></state></button>"
             "</buttons>"));
    ASSERT_EQ(subtheme.buttons.size(), 5u);
    const ThemeButton &bold = subtheme.buttons[0];
    EXPECT_EQ(bold.commandId, 3500);
    EXPECT_EQ(bold.toolTipKey, "TOOL_BOLD");
    EXPECT_EQ(bold.x, -20);
    EXPECT_EQ(bold.y, 4);
    ASSERT_TRUE(bold.state("normal"));
    EXPECT_EQ(bold.state("normal")->imageMember, "b.bmp");
    EXPECT_EQ(bold.state("selected")->imageMember, "bs.bmp");
    EXPECT_FALSE(bold.state("mouseover"));
    EXPECT_TRUE(bold.hasWindow());

    EXPECT_EQ(subtheme.buttons[1].commandId, 3544);
    EXPECT_EQ(subtheme.buttons[1].toolTipKey, "TOOL_MENU");
    EXPECT_EQ(subtheme.buttons[1].x, 0);

    EXPECT_EQ(subtheme.buttons[2].commandId, 3510);
    EXPECT_TRUE(subtheme.buttons[2].toolTipKey.isEmpty());
    EXPECT_TRUE(subtheme.buttons[2].hasWindow()); // a state without a picture still counts

    EXPECT_EQ(subtheme.buttons[3].command, "noSuchCommand");
    EXPECT_EQ(subtheme.buttons[3].commandId, 0);
    EXPECT_FALSE(subtheme.buttons[3].hasWindow());

    EXPECT_FALSE(subtheme.buttons[4].hasWindow()); // no "normal" state
}

TEST_F(ThemeConfig, combinedBitmapsNeedANameAndTheLastOfANameWins)
{
    const Subtheme subtheme = only(subthemeXml(
        "t", "<combinedBitmaps><combinedBitmap><bitmap img=\"nameless.bmp\"/></combinedBitmap>"
             "<combinedBitmap name=\"tab_normal\"><bitmap img=\"first.bmp\"/></combinedBitmap>"
             "<combinedBitmap name=\"tab_normal\"><bitmap img=\"l.bmp\"/><bitmap img=\"m.bmp\"/></combinedBitmap>"
             "</combinedBitmaps>"));
    ASSERT_EQ(subtheme.combinedBitmaps.size(), 1u);
    const CombinedBitmap *tab = subtheme.combinedBitmap("tab_normal");
    ASSERT_TRUE(tab);
    ASSERT_EQ(tab->bitmaps.size(), 2u);
    EXPECT_EQ(tab->bitmaps[0].imageMember, "l.bmp");
    EXPECT_EQ(tab->bitmaps[1].imageMember, "m.bmp");
}

} // namespace
} // namespace tabulet::theme
