#include "commands/shortcuttext.h"

#include "fakekeynames.h"

#include <gtest/gtest.h>

using namespace tabulet::commands;

namespace {

// As the desktop writes shortcuts: Ctrl, Alt, Shift, joined by "+" without spaces.
TEST(ShortcutText, modifiersComeCtrlAltShiftAndAreCapitalised)
{
    const FakeKeyNames names;
    EXPECT_EQ(shortcutText('B', Modifier::Ctrl | Modifier::Shift, names), QStringLiteral("Ctrl+Shift+B"));
    EXPECT_EQ(shortcutText(vk::F3, Modifier::Shift | Modifier::Alt | Modifier::Ctrl, names),
              QStringLiteral("Ctrl+Alt+Shift+F3"));
    EXPECT_EQ(modifiersText(Modifier::Shift | Modifier::Alt, names), QStringLiteral("Alt+Shift+"));
    EXPECT_EQ(modifiersText({}, names), QString());
}

TEST(ShortcutText, keyAloneIsJustItsName)
{
    EXPECT_EQ(shortcutText(vk::F3, {}, FakeKeyNames()), QStringLiteral("F3"));
}

TEST(ShortcutText, keyWithoutNameShowsItsCode)
{
    EXPECT_EQ(shortcutText(0x88, Modifier::Ctrl, FakeKeyNames()), QStringLiteral("Ctrl+136"));
}

TEST(ShortcutText, noKeyGivesEmptyText)
{
    EXPECT_EQ(shortcutText(0, Modifier::Ctrl, FakeKeyNames()), QString());
}

} // namespace
