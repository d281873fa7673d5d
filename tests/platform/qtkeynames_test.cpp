#include "commands/shortcuttext.h"
#include "platform/qtkeynames.h"

#include "printers.h"

#include <gtest/gtest.h>

using namespace tabulet;

TEST(QtKeyNames, namesModifiersAndKeysOfTheDefaultShortcuts)
{
    const platform::QtKeyNames names;
    EXPECT_EQ(names.modifierName(commands::Modifier::Ctrl), "Ctrl");
    EXPECT_EQ(names.modifierName(commands::Modifier::Shift), "Shift");
    EXPECT_EQ(names.modifierName(commands::Modifier::Alt), "Alt");
    EXPECT_EQ(names.keyName(0x42), "B");
    EXPECT_EQ(names.keyName(0x72), "F3");
    EXPECT_EQ(names.keyName(0x21), "PgUp");
    EXPECT_TRUE(names.keyName(0).isEmpty());
}

TEST(QtKeyNames, giveTheShortcutTextOfBold)
{
    const platform::QtKeyNames names;
    EXPECT_EQ(commands::shortcutText(0x42, commands::Modifier::Ctrl | commands::Modifier::Shift, names),
              "Ctrl+Shift+B");
}
