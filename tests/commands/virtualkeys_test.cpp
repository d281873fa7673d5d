#include "commands/virtualkeys.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>
#include <X11/keysym.h>
#include <X11/XF86keysym.h>

#include <set>
#include <utility>

using namespace tabulet::commands;

namespace {

TEST(VirtualKeys, eachCodeQtKeyAndKeysymAppearsOnce)
{
    std::set<int> codes;
    std::set<std::pair<int, bool>> qtKeys;
    std::set<quint32> keysyms;
    int keysymCount = 0;
    for (const VirtualKey &key : virtualKeys()) {
        codes.insert(key.code);
        qtKeys.insert({key.qtKey, key.keypad});
        if (key.keysym != 0) {
            keysyms.insert(key.keysym);
            ++keysymCount;
        }
    }
    const auto count = virtualKeys().size();
    EXPECT_EQ(codes.size(), count);
    EXPECT_EQ(qtKeys.size(), count);
    EXPECT_EQ(static_cast<int>(keysyms.size()), keysymCount);
}

TEST(VirtualKeys, everyKeyRoundTripsThroughQtKeyAndKeysym)
{
    for (const VirtualKey &key : virtualKeys()) {
        bool keypad = !key.keypad;
        EXPECT_EQ(qtKeyOfVirtualKey(key.code, &keypad), key.qtKey) << key.code;
        EXPECT_EQ(keypad, key.keypad) << key.code;
        EXPECT_EQ(virtualKeyOfQtKey(key.qtKey, key.keypad), key.code) << key.code;
        if (key.keysym != 0) {
            EXPECT_EQ(virtualKeyOfKeysym(keysymOfVirtualKey(key.code)), key.code) << key.code;
        }
    }
}

TEST(VirtualKeys, coversLettersDigitsFunctionKeysAndKeypad)
{
    EXPECT_EQ(qtKeyOfVirtualKey('B'), Qt::Key_B);
    EXPECT_EQ(qtKeyOfVirtualKey('1'), Qt::Key_1);
    EXPECT_EQ(qtKeyOfVirtualKey(0x87), Qt::Key_F24);
    bool keypad = false;
    EXPECT_EQ(qtKeyOfVirtualKey(0x69, &keypad), Qt::Key_9);
    EXPECT_TRUE(keypad);
    EXPECT_EQ(qtKeyOfVirtualKey(vk::Oem102), Qt::Key_Less);
    EXPECT_EQ(qtKeyOfVirtualKey(0xFF, &keypad), 0);
    EXPECT_FALSE(keypad);
}

struct KeysymCase
{
    const char *name;
    int code;
    quint32 keysym;
};

class VirtualKeyKeysym : public testing::TestWithParam<KeysymCase>
{
};

// Keysyms as the X11 headers define them.
TEST_P(VirtualKeyKeysym, matchesTheX11Headers)
{
    EXPECT_EQ(keysymOfVirtualKey(GetParam().code), GetParam().keysym);
    EXPECT_EQ(virtualKeyOfKeysym(GetParam().keysym), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    VirtualKeys, VirtualKeyKeysym,
    testing::Values(
        KeysymCase{"letter", 'Q', XK_q}, KeysymCase{"slash", vk::Oem2, XK_slash}, KeysymCase{"grave", 0xC0, XK_grave},
        KeysymCase{"isoExtraKey", vk::Oem102, XK_less}, KeysymCase{"pageUp", vk::PageUp, XK_Prior},
        KeysymCase{"printScreen", 0x2C, XK_Print}, KeysymCase{"help", 0x2F, XK_Help},
        KeysymCase{"leftWindows", 0x5B, XK_Super_L}, KeysymCase{"applications", 0x5D, XK_Menu},
        KeysymCase{"keypadZero", 0x60, XK_KP_0}, KeysymCase{"keypadDivide", 0x6F, XK_KP_Divide},
        KeysymCase{"keypadSeparator", 0x6C, XK_KP_Separator}, KeysymCase{"f1", vk::F1, XK_F1},
        KeysymCase{"f24", 0x87, XK_F24}, KeysymCase{"numLock", 0x90, XK_Num_Lock},
        KeysymCase{"scrollLock", 0x91, XK_Scroll_Lock}, KeysymCase{"sleep", 0x5F, XF86XK_Sleep},
        KeysymCase{"browserBack", 0xA6, XF86XK_Back}, KeysymCase{"browserForward", 0xA7, XF86XK_Forward},
        KeysymCase{"browserRefresh", 0xA8, XF86XK_Refresh}, KeysymCase{"browserStop", 0xA9, XF86XK_Stop},
        KeysymCase{"browserSearch", 0xAA, XF86XK_Search}, KeysymCase{"browserFavorites", 0xAB, XF86XK_Favorites},
        KeysymCase{"browserHome", 0xAC, XF86XK_HomePage}, KeysymCase{"volumeMute", 0xAD, XF86XK_AudioMute},
        KeysymCase{"volumeDown", 0xAE, XF86XK_AudioLowerVolume}, KeysymCase{"volumeUp", 0xAF, XF86XK_AudioRaiseVolume},
        KeysymCase{"nextTrack", 0xB0, XF86XK_AudioNext}, KeysymCase{"previousTrack", 0xB1, XF86XK_AudioPrev},
        KeysymCase{"mediaStop", 0xB2, XF86XK_AudioStop}, KeysymCase{"playPause", 0xB3, XF86XK_AudioPlay},
        KeysymCase{"mail", 0xB4, XF86XK_Mail}),
    [](const testing::TestParamInfo<KeysymCase> &testCase) { return testCase.param.name; });

TEST(VirtualKeys, keysymsOfShiftedLettersRightModifiersAndKeypadNavigation)
{
    EXPECT_EQ(virtualKeyOfKeysym(XK_Q), 'Q');
    EXPECT_EQ(virtualKeyOfKeysym(XK_Shift_R), vk::Shift);
    EXPECT_EQ(virtualKeyOfKeysym(XK_Control_R), vk::Control);
    EXPECT_EQ(virtualKeyOfKeysym(XK_ISO_Left_Tab), vk::Tab);
    EXPECT_EQ(virtualKeyOfKeysym(XK_KP_Home), 0x24);
    EXPECT_EQ(virtualKeyOfKeysym(XK_KP_Enter), vk::Return);
    EXPECT_EQ(virtualKeyOfKeysym(XK_exclam), 0);
    EXPECT_EQ(virtualKeyOfKeysym(0), 0);
}

struct KeyPressCase
{
    const char *name;
    int qtKey;
    bool keypad;
    quint32 keycode;
    int code;
};

class VirtualKeyOfKeyPress : public testing::TestWithParam<KeyPressCase>
{
};

TEST_P(VirtualKeyOfKeyPress, givesTheCodeWindowsWouldGive)
{
    const KeyPressCase &c = GetParam();
    EXPECT_EQ(virtualKeyOfKeyPress(c.qtKey, c.keypad, c.keycode), c.code);
}

// Keycodes are evdev codes + 8: 10 is the "1" key, 24 "Q", 38 "A", 59 ",", 61 "/", 94 the ISO key.
INSTANTIATE_TEST_SUITE_P(VirtualKeys, VirtualKeyOfKeyPress,
                         testing::Values(KeyPressCase{"letterFollowsTheLayout", Qt::Key_A, false, 24, 'A'},
                                         KeyPressCase{"nonLatinLetterByPosition", 0x0424, false, 38, 'A'},
                                         KeyPressCase{"shiftedSlashByPosition", Qt::Key_Question, false, 61, vk::Oem2},
                                         KeyPressCase{"shiftedSlashWithoutKeycode", Qt::Key_Question, false, 0,
                                                      vk::Oem2},
                                         KeyPressCase{"shiftedDigitWithoutKeycode", Qt::Key_Exclam, false, 0, '1'},
                                         KeyPressCase{"digitRowSymbolByPosition", Qt::Key_Ampersand, false, 10, '1'},
                                         KeyPressCase{"isoExtraKey", Qt::Key_Less, false, 94, vk::Oem102},
                                         KeyPressCase{"shiftedCommaOnUsLayout", Qt::Key_Less, false, 59, 0xBC},
                                         KeyPressCase{"keypadDigit", Qt::Key_7, true, 79, 0x67},
                                         KeyPressCase{"keypadMinus", Qt::Key_Minus, true, 82, 0x6D},
                                         KeyPressCase{"keypadHomeWithNumLockOff", Qt::Key_Home, true, 79, 0x24},
                                         KeyPressCase{"keypadEnter", Qt::Key_Enter, true, 104, vk::Return},
                                         KeyPressCase{"shiftTab", Qt::Key_Backtab, false, 23, vk::Tab},
                                         KeyPressCase{"functionKey", Qt::Key_F3, false, 69, vk::F3},
                                         KeyPressCase{"pageDown", Qt::Key_PageDown, false, 117, vk::PageDown},
                                         KeyPressCase{"unknownKey", Qt::Key_unknown, false, 0, 0}),
                         [](const testing::TestParamInfo<KeyPressCase> &testCase) { return testCase.param.name; });

} // namespace
