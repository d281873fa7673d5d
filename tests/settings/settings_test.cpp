#include "casename.h"
#include <settings/optiondefaults.h>
#include <settings/settings.h>

#include <gtest/gtest.h>

namespace tabulet::settings {
namespace {

TEST(OptionDefaults, listsTheFortySixOptionsInFileOrder)
{
    const std::vector<std::pair<const char *, const char *>> expected{
        {"autoformat", "1"},
        {"tabfont", "Arial"},
        {"tabfontsize", "8"},
        {"tabfontbold", "0"},
        {"tabfontitalics", "0"},
        {"tabheight", "16"},
        {"defaultfont", "Courier"},
        {"defaultfontsize", "10"},
        {"defaultfontbold", "0"},
        {"defaultfontitalics", "0"},
        {"selectedtab", "0"},
        {"checkfornewversiononstartup", "0"},
        {"savealways", "0"},
        {"showtooltips", "1"},
        {"confirmexit", "1"},
        {"wordwrap", "1"},
        {"activatekey", "191"},
        {"activatemod", "3"},
        {"oneinstance", "1"},
        {"trayicon", "0"},
        {"languagefile", "english.tabulang"},
        {"bgcolor", "91f3f9"},
        {"w", "450"},
        {"h", "200"},
        {"x", "0"},
        {"y", "0"},
        {"customarchivedir", ""},
        {"usedefaultarchivedir", "1"},
        {"createarchiveinterval", "15"},
        {"deletearchiveinterval", "200"},
        {"autoarchive", "1"},
        {"deletearchive", "0"},
        {"lastarchiving", "0"},
        {"scriptdebug", "0"},
        {"silentautoarchive", "1"},
        {"theme", "default"},
        {"subtheme", "full"},
        {"overridetheme", "1"},
        {"awaitconnection", "1"},
        {"favorites", ""},
        {"sender", ""},
        {"port", "1614"},
        {"listenfornotes", "0"},
        {"listenaddress", ""},
        {"showtipsonstartup", "1"},
        {"currenttip", "0"},
    };
    ASSERT_EQ(kOptionDefaults.size(), expected.size());
    for (std::size_t row = 0; row < expected.size(); ++row) {
        EXPECT_EQ(kOptionDefaults[row].key, QLatin1String(expected[row].first)) << "row " << row + 1;
        EXPECT_EQ(kOptionDefaults[row].value, QLatin1String(expected[row].second)) << "row " << row + 1;
    }
}

TEST(Settings, readingAnAbsentKeyInsertsItEmpty)
{
    Settings settings;
    EXPECT_TRUE(settings.value(QStringLiteral("wordwarp")).isEmpty());
    EXPECT_TRUE(settings.contains(QStringLiteral("wordwarp")));
    const Settings &readOnly = settings;
    EXPECT_TRUE(readOnly.value(QStringLiteral("other")).isEmpty());
    EXPECT_FALSE(readOnly.contains(QStringLiteral("other")));
}

TEST(Settings, flagIsOnOnlyForExactlyOne)
{
    Settings settings;
    for (const char *text : {"0", "", "yes", "11", " 1", "true"}) {
        settings.value(QStringLiteral("trayicon")) = QString::fromLatin1(text);
        EXPECT_FALSE(settings.flag(QStringLiteral("trayicon"))) << text;
    }
    settings.value(QStringLiteral("trayicon")) = QStringLiteral("1");
    EXPECT_TRUE(settings.flag(QStringLiteral("trayicon")));
}

TEST(Settings, applyDefaultsFillsOnlyEmptyOptions)
{
    Settings settings;
    settings.value(QStringLiteral("wordwrap")) = QString();
    settings.value(QStringLiteral("tabheight")) = QStringLiteral("30");
    settings.value(QStringLiteral("unknown")) = QStringLiteral("kept");
    settings.applyDefaults();
    EXPECT_EQ(settings.value(QStringLiteral("wordwrap")), QStringLiteral("1"));
    EXPECT_EQ(settings.value(QStringLiteral("tabheight")), QStringLiteral("30"));
    EXPECT_EQ(settings.value(QStringLiteral("bgcolor")), QStringLiteral("91f3f9"));
    EXPECT_TRUE(settings.value(QStringLiteral("favorites")).isEmpty());
    EXPECT_EQ(settings.value(QStringLiteral("unknown")), QStringLiteral("kept"));
    EXPECT_EQ(settings.size(), 47);
}

struct ModifierCase
{
    const char *name;
    const char *stored;
    const char *converted;
};

class ConvertLegacyModifiers : public ::testing::TestWithParam<ModifierCase>
{
};

TEST_P(ConvertLegacyModifiers, rewritesNumbersAsLettersInOrderASC)
{
    Settings settings;
    settings.value(QStringLiteral("activatemod")) = QString::fromLatin1(GetParam().stored);
    settings.convertLegacyModifiers();
    EXPECT_EQ(settings.value(QStringLiteral("activatemod")), QString::fromLatin1(GetParam().converted));
}

INSTANTIATE_TEST_SUITE_P(Values, ConvertLegacyModifiers,
                         ::testing::Values(ModifierCase{"defaultShiftCtrl", "3", "SC"},
                                           ModifierCase{"altCtrl", "6", "AC"}, ModifierCase{"all", "7", "ASC"},
                                           ModifierCase{"none", "0", ""}, ModifierCase{"higherBitsIgnored", "12", "A"},
                                           ModifierCase{"digitsThenText", "5x", "AS"},
                                           ModifierCase{"hugeNumberKeepsLowBits", "99999999999999999999", "ASC"},
                                           ModifierCase{"lettersKept", "CS", "CS"}, ModifierCase{"emptyKept", "", ""}),
                         testing::caseName<ModifierCase>);

TEST(Settings, zeroModifiersComeBackAsTheDefaultAfterTheNextLoad)
{
    Settings settings;
    settings.value(QStringLiteral("activatemod")) = QStringLiteral("0");
    settings.convertLegacyModifiers();
    settings.applyDefaults();
    settings.convertLegacyModifiers();
    EXPECT_EQ(settings.value(QStringLiteral("activatemod")), QStringLiteral("SC"));
}

} // namespace
} // namespace tabulet::settings
