#pragma once

#include <QtGlobal>

#include <span>

namespace tabulet::commands {

// Key bindings are stored as Windows virtual-key codes so that configuration files stay
// interchangeable with the Windows version. Letters and digits are their upper-case ASCII codes.
namespace vk {
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Menu = 0x12; // the Alt key
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int Delete = 0x2E;
inline constexpr int F1 = 0x70;
inline constexpr int F3 = 0x72;
inline constexpr int F4 = 0x73;
inline constexpr int Oem2 = 0xBF;   // "/?" on US keyboards
inline constexpr int Oem102 = 0xE2; // the extra key beside left Shift on ISO keyboards
} // namespace vk

// One key known under all three codes. qtKey is a Qt::Key value; keypad marks keys that Qt
// reports with Qt::KeypadModifier; keysym is the X11 keysym of the unshifted key, 0 when none.
struct VirtualKey
{
    int code;
    int qtKey;
    bool keypad;
    quint32 keysym;
};

// Every key the program can name, one row per virtual-key code. Each code, each (qtKey, keypad)
// pair and each non-zero keysym appears once, so the conversions below are exact inverses on it.
std::span<const VirtualKey> virtualKeys();

// Qt::Key of a virtual-key code, 0 when the code has none; keypad tells whether the key is on
// the numeric keypad (Qt then also sets Qt::KeypadModifier).
int qtKeyOfVirtualKey(int virtualKey, bool *keypad = nullptr);

// Virtual-key code of a Qt key as Qt reports it in a key event, 0 when unknown. Keypad keys that
// Qt reports as navigation keys (NumLock off) give the navigation key's code, as on Windows.
// Shifted symbols (Qt::Key_Question for Shift+/) are read as keys of a US layout.
int virtualKeyOfQtKey(int qtKey, bool keypad = false);

// X11 keysym of a virtual-key code (for grabbing a key), 0 when none.
quint32 keysymOfVirtualKey(int virtualKey);

// Virtual-key code of an X11 keysym, either case of a letter; 0 when unknown.
int virtualKeyOfKeysym(quint32 keysym);

// Virtual-key code of the key at an X11 keycode (evdev code + 8) in the typing area, by the key's
// position on a US keyboard; 0 for keys outside the typing area. This is what Windows reports
// for digits and punctuation whatever the symbol printed on the key.
int virtualKeyOfX11Keycode(quint32 keycode);

// Virtual-key code of a key press as a Qt key event gives it: its key(), whether
// Qt::KeypadModifier is set, and on X11 its nativeScanCode() (0 when unknown). Latin letters
// follow the layout, digits and punctuation the key position, everything else the Qt key.
int virtualKeyOfKeyPress(int qtKey, bool keypad, quint32 x11Keycode);

} // namespace tabulet::commands
