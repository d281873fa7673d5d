#include "commands/virtualkeys.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <array>

namespace tabulet::commands {

namespace {

struct Alias
{
    quint32 from;
    int code;
};

// Keys that are not letters, digits, keypad digits or function keys.
constexpr VirtualKey kSpecialKeys[] = {
    {0x08, Qt::Key_Backspace, false, 0xff08},
    {vk::Tab, Qt::Key_Tab, false, 0xff09},
    {0x0C, Qt::Key_Clear, false, 0xff0b},
    {vk::Return, Qt::Key_Return, false, 0xff0d},
    {vk::Shift, Qt::Key_Shift, false, 0xffe1},
    {vk::Control, Qt::Key_Control, false, 0xffe3},
    {vk::Menu, Qt::Key_Alt, false, 0xffe9},
    {0x13, Qt::Key_Pause, false, 0xff13},
    {0x14, Qt::Key_CapsLock, false, 0xffe5},
    {0x1B, Qt::Key_Escape, false, 0xff1b},
    {0x20, Qt::Key_Space, false, 0x0020},
    {vk::PageUp, Qt::Key_PageUp, false, 0xff55},
    {vk::PageDown, Qt::Key_PageDown, false, 0xff56},
    {0x23, Qt::Key_End, false, 0xff57},
    {0x24, Qt::Key_Home, false, 0xff50},
    {0x25, Qt::Key_Left, false, 0xff51},
    {0x26, Qt::Key_Up, false, 0xff52},
    {0x27, Qt::Key_Right, false, 0xff53},
    {0x28, Qt::Key_Down, false, 0xff54},
    {0x29, Qt::Key_Select, false, 0xff60},
    {0x2A, Qt::Key_Printer, false, 0},
    {0x2B, Qt::Key_Execute, false, 0xff62},
    {0x2C, Qt::Key_Print, false, 0xff61}, // the Print Screen key
    {0x2D, Qt::Key_Insert, false, 0xff63},
    {vk::Delete, Qt::Key_Delete, false, 0xffff},
    {0x2F, Qt::Key_Help, false, 0xff6a},
    {0x5B, Qt::Key_Meta, false, 0xffeb},
    {0x5D, Qt::Key_Menu, false, 0xff67},
    {0x5F, Qt::Key_Sleep, false, 0x1008ff2f},
    {0x6A, Qt::Key_Asterisk, true, 0xffaa},
    {0x6B, Qt::Key_Plus, true, 0xffab},
    {0x6C, Qt::Key_Comma, true, 0xffac},
    {0x6D, Qt::Key_Minus, true, 0xffad},
    {0x6E, Qt::Key_Period, true, 0xffae},
    {0x6F, Qt::Key_Slash, true, 0xffaf},
    {0x90, Qt::Key_NumLock, false, 0xff7f},
    {0x91, Qt::Key_ScrollLock, false, 0xff14},
    {0xA6, Qt::Key_Back, false, 0x1008ff26},
    {0xA7, Qt::Key_Forward, false, 0x1008ff27},
    {0xA8, Qt::Key_Refresh, false, 0x1008ff29},
    {0xA9, Qt::Key_Stop, false, 0x1008ff28},
    {0xAA, Qt::Key_Search, false, 0x1008ff1b},
    {0xAB, Qt::Key_Favorites, false, 0x1008ff30},
    {0xAC, Qt::Key_HomePage, false, 0x1008ff18},
    {0xAD, Qt::Key_VolumeMute, false, 0x1008ff12},
    {0xAE, Qt::Key_VolumeDown, false, 0x1008ff11},
    {0xAF, Qt::Key_VolumeUp, false, 0x1008ff13},
    {0xB0, Qt::Key_MediaNext, false, 0x1008ff17},
    {0xB1, Qt::Key_MediaPrevious, false, 0x1008ff16},
    {0xB2, Qt::Key_MediaStop, false, 0x1008ff15},
    {0xB3, Qt::Key_MediaPlay, false, 0x1008ff14},
    {0xB4, Qt::Key_LaunchMail, false, 0x1008ff19},
    {0xBA, Qt::Key_Semicolon, false, 0x003b},
    {0xBB, Qt::Key_Equal, false, 0x003d},
    {0xBC, Qt::Key_Comma, false, 0x002c},
    {0xBD, Qt::Key_Minus, false, 0x002d},
    {0xBE, Qt::Key_Period, false, 0x002e},
    {vk::Oem2, Qt::Key_Slash, false, 0x002f},
    {0xC0, Qt::Key_QuoteLeft, false, 0x0060},
    {0xDB, Qt::Key_BracketLeft, false, 0x005b},
    {0xDC, Qt::Key_Backslash, false, 0x005c},
    {0xDD, Qt::Key_BracketRight, false, 0x005d},
    {0xDE, Qt::Key_Apostrophe, false, 0x0027},
    {vk::Oem102, Qt::Key_Less, false, 0x003c},
};

constexpr int kSpecialCount = static_cast<int>(std::size(kSpecialKeys));

constexpr auto kVirtualKeys = [] {
    std::array<VirtualKey, kSpecialCount + 10 + 26 + 10 + 24> keys{};
    std::size_t next = 0;
    for (const VirtualKey &key : kSpecialKeys)
        keys[next++] = key;
    for (int i = 0; i < 10; ++i)
        keys[next++] = {'0' + i, Qt::Key_0 + i, false, static_cast<quint32>('0' + i)};
    for (int i = 0; i < 26; ++i)
        keys[next++] = {'A' + i, Qt::Key_A + i, false, static_cast<quint32>('a' + i)};
    for (int i = 0; i < 10; ++i)
        keys[next++] = {0x60 + i, Qt::Key_0 + i, true, static_cast<quint32>(0xffb0 + i)};
    for (int i = 0; i < 24; ++i)
        keys[next++] = {0x70 + i, Qt::Key_F1 + i, false, static_cast<quint32>(0xffbe + i)};
    return keys;
}();

// Qt keys that name the same key as a table row: Qt's keypad Enter, Shift+Tab, and the shifted
// symbols of a US layout.
constexpr Alias kQtKeyAliases[] = {
    {Qt::Key_Enter, vk::Return},  {Qt::Key_Backtab, vk::Tab}, {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},    {Qt::Key_Dollar, '4'},      {Qt::Key_Percent, '5'},    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},     {Qt::Key_Asterisk, '8'},    {Qt::Key_ParenLeft, '9'},  {Qt::Key_ParenRight, '0'},
    {Qt::Key_Underscore, 0xBD},   {Qt::Key_Plus, 0xBB},       {Qt::Key_Colon, 0xBA},     {Qt::Key_Greater, 0xBE},
    {Qt::Key_Question, vk::Oem2}, {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BraceLeft, 0xDB}, {Qt::Key_Bar, 0xDC},
    {Qt::Key_BraceRight, 0xDD},   {Qt::Key_QuoteDbl, 0xDE},   {Qt::Key_Super_R, 0x5C},   {Qt::Key_AltGr, vk::Menu},
};

// Keysyms for right-hand modifiers, Shift+Tab and the keypad with NumLock off.
constexpr Alias kKeysymAliases[] = {
    {0xffe2, vk::Shift}, {0xffe4, vk::Control}, {0xffea, vk::Menu},   {0xfe03, vk::Menu}, {0xffec, 0x5C},
    {0xfe20, vk::Tab},   {0xff8d, vk::Return},  {0xff95, 0x24},       {0xff96, 0x25},     {0xff97, 0x26},
    {0xff98, 0x27},      {0xff99, 0x28},        {0xff9a, 0x21},       {0xff9b, 0x22},     {0xff9c, 0x23},
    {0xff9d, 0x0C},      {0xff9e, 0x2D},        {0xff9f, vk::Delete},
};

// X11 keycodes of the typing area and the codes Windows gives those positions.
constexpr Alias kKeycodePositions[] = {
    {10, '1'}, {11, '2'},  {12, '3'},  {13, '4'},  {14, '5'},  {15, '6'},  {16, '7'},      {17, '8'},
    {18, '9'}, {19, '0'},  {20, 0xBD}, {21, 0xBB}, {24, 'Q'},  {25, 'W'},  {26, 'E'},      {27, 'R'},
    {28, 'T'}, {29, 'Y'},  {30, 'U'},  {31, 'I'},  {32, 'O'},  {33, 'P'},  {34, 0xDB},     {35, 0xDD},
    {38, 'A'}, {39, 'S'},  {40, 'D'},  {41, 'F'},  {42, 'G'},  {43, 'H'},  {44, 'J'},      {45, 'K'},
    {46, 'L'}, {47, 0xBA}, {48, 0xDE}, {49, 0xC0}, {51, 0xDC}, {52, 'Z'},  {53, 'X'},      {54, 'C'},
    {55, 'V'}, {56, 'B'},  {57, 'N'},  {58, 'M'},  {59, 0xBC}, {60, 0xBE}, {61, vk::Oem2}, {94, vk::Oem102},
};

template<std::size_t N> int codeOfAlias(const Alias (&aliases)[N], quint32 from)
{
    const auto *found =
        std::find_if(std::begin(aliases), std::end(aliases), [from](const Alias &alias) { return alias.from == from; });
    return found == std::end(aliases) ? 0 : found->code;
}

const VirtualKey *findByCode(int code)
{
    const auto *found = std::find_if(kVirtualKeys.begin(), kVirtualKeys.end(),
                                     [code](const VirtualKey &key) { return key.code == code; });
    return found == kVirtualKeys.end() ? nullptr : found;
}

int codeOfQtKey(int qtKey, bool keypad)
{
    const auto *found = std::find_if(kVirtualKeys.begin(), kVirtualKeys.end(),
                                     [&](const VirtualKey &key) { return key.qtKey == qtKey && key.keypad == keypad; });
    return found == kVirtualKeys.end() ? 0 : found->code;
}

bool isLatinLetter(int qtKey)
{
    return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
}

} // namespace

std::span<const VirtualKey> virtualKeys()
{
    return kVirtualKeys;
}

int qtKeyOfVirtualKey(int virtualKey, bool *keypad)
{
    const VirtualKey *key = findByCode(virtualKey);
    if (keypad)
        *keypad = key && key->keypad;
    return key ? key->qtKey : 0;
}

int virtualKeyOfQtKey(int qtKey, bool keypad)
{
    if (qtKey == 0)
        return 0;
    if (keypad) {
        if (const int code = codeOfQtKey(qtKey, true))
            return code;
    }
    if (const int code = codeOfQtKey(qtKey, false))
        return code;
    return codeOfAlias(kQtKeyAliases, static_cast<quint32>(qtKey));
}

quint32 keysymOfVirtualKey(int virtualKey)
{
    const VirtualKey *key = findByCode(virtualKey);
    return key ? key->keysym : 0;
}

int virtualKeyOfKeysym(quint32 keysym)
{
    if (keysym == 0)
        return 0;
    if (keysym >= 'A' && keysym <= 'Z')
        return static_cast<int>(keysym);
    const auto *found = std::find_if(kVirtualKeys.begin(), kVirtualKeys.end(),
                                     [keysym](const VirtualKey &key) { return key.keysym == keysym; });
    if (found != kVirtualKeys.end())
        return found->code;
    return codeOfAlias(kKeysymAliases, keysym);
}

int virtualKeyOfX11Keycode(quint32 keycode)
{
    return codeOfAlias(kKeycodePositions, keycode);
}

int virtualKeyOfKeyPress(int qtKey, bool keypad, quint32 x11Keycode)
{
    if (!keypad && isLatinLetter(qtKey))
        return qtKey;
    if (!keypad) {
        if (const int code = virtualKeyOfX11Keycode(x11Keycode))
            return code;
    }
    return virtualKeyOfQtKey(qtKey, keypad);
}

} // namespace tabulet::commands
