#include "commands/commanddefinitions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tabulet::commands;

namespace {

const CommandDefinition &row(int number)
{
    return kCommandDefinitions.at(static_cast<std::size_t>(number - 1));
}

TEST(CommandDefinitions, fortyNineRowsWithUniqueNames)
{
    ASSERT_EQ(kCommandDefinitions.size(), 49u);
    std::set<std::string> names;
    for (const CommandDefinition &definition : kCommandDefinitions)
        names.insert(definition.name);
    EXPECT_EQ(names.size(), 49u);
    EXPECT_STREQ(row(1).name, "makeSelectionBold");
    EXPECT_STREQ(row(26).name, "searchNext");
    EXPECT_STREQ(row(49).name, "showTips");
}

// Ids follow the list order except "pasteTextOnly", which keeps 3514 at row 48.
TEST(CommandDefinitions, idsRunInListOrderWithPasteTextOnlyAt3514)
{
    std::set<int> ids;
    for (int number = 1; number <= 49; ++number) {
        const int id = static_cast<int>(row(number).id);
        ids.insert(id);
        if (number <= 14) {
            EXPECT_EQ(id, 3499 + number) << row(number).name;
        } else if (number <= 47) {
            EXPECT_EQ(id, 3500 + number) << row(number).name;
        }
    }
    EXPECT_EQ(ids.size(), 49u);
    EXPECT_EQ(*ids.begin(), 3500);
    EXPECT_EQ(*ids.rbegin(), 3548);
    EXPECT_STREQ(row(48).name, "pasteTextOnly");
    EXPECT_EQ(row(48).id, CommandId::PasteTextOnly);
    EXPECT_EQ(static_cast<int>(CommandId::PasteTextOnly), 3514);
    EXPECT_EQ(static_cast<int>(row(49).id), 3548);
}

TEST(CommandDefinitions, onlyTheAlternateTabCommandsAndPasteTextOnlyAreUnlisted)
{
    std::set<std::string> unlisted;
    for (const CommandDefinition &definition : kCommandDefinitions) {
        if (!definition.listed)
            unlisted.insert(definition.name);
    }
    EXPECT_EQ(unlisted, (std::set<std::string>{"changeToPrevTab1", "changeToNextTab1", "pasteTextOnly"}));
}

struct DefaultShortcut
{
    const char *name;
    int key;
    Modifiers modifiers;
};

class CommandDefaultShortcut : public testing::TestWithParam<DefaultShortcut>
{
};

TEST_P(CommandDefaultShortcut, isTheWindowsVirtualKey)
{
    const DefaultShortcut expected = GetParam();
    const auto found = std::find_if(kCommandDefinitions.begin(), kCommandDefinitions.end(),
                                    [&](const CommandDefinition &d) { return std::string(d.name) == expected.name; });
    ASSERT_NE(found, kCommandDefinitions.end());
    EXPECT_EQ(found->key, expected.key);
    EXPECT_EQ(found->modifiers, expected.modifiers);
}

const Modifiers kCtrl = Modifier::Ctrl;
const Modifiers kCtrlShift = Modifier::Ctrl | Modifier::Shift;

INSTANTIATE_TEST_SUITE_P(CommandDefinitions, CommandDefaultShortcut,
                         testing::Values(DefaultShortcut{"makeSelectionNumbered", 0x31, kCtrlShift},
                                         DefaultShortcut{"changeToPrevTab", 0x09, kCtrlShift},
                                         DefaultShortcut{"changeToPrevTab1", 0x21, kCtrl},
                                         DefaultShortcut{"changeToNextTab1", 0x22, kCtrl},
                                         DefaultShortcut{"viewDocumentList", 0xE2, kCtrl},
                                         DefaultShortcut{"searchPrev", 0x72, Modifier::Shift},
                                         DefaultShortcut{"deleteDocument", 0x73, kCtrl},
                                         DefaultShortcut{"windowOnTop", 0, {}}),
                         [](const testing::TestParamInfo<DefaultShortcut> &testCase) { return testCase.param.name; });

} // namespace
