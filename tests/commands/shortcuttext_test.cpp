#include "commands/shortcuttext.h"

#include "fakekeynames.h"

#include <gtest/gtest.h>

using namespace tabulet::commands;

namespace {

TEST(ShortcutText, modifiersComeAltCtrlShiftAndAreCapitalised)
{
    const FakeKeyNames names;
    EXPECT_EQ(shortcutText('B', Modifier::Ctrl | Modifier::Shift, names), QStringLiteral("Ctrl + Shift + B"));
    EXPECT_EQ(shortcutText(vk::F3, Modifier::Shift | Modifier::Alt | Modifier::Ctrl, names),
              QStringLiteral("Alt + Ctrl + Shift + F3"));
}

TEST(ShortcutText, keyAloneIsJustItsName)
{
    EXPECT_EQ(shortcutText(vk::F3, {}, FakeKeyNames()), QStringLiteral("F3"));
}

TEST(ShortcutText, keyWithoutNameShowsItsCode)
{
    EXPECT_EQ(shortcutText(0x88, Modifier::Ctrl, FakeKeyNames()), QStringLiteral("Ctrl + 136"));
}

TEST(ShortcutText, noKeyGivesEmptyText)
{
    EXPECT_EQ(shortcutText(0, Modifier::Ctrl, FakeKeyNames()), QString());
}

} // namespace
