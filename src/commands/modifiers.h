#pragma once

#include <QFlags>
#include <QString>
#include <QStringView>
#include <QtCore/qnamespace.h>

namespace tabulet::commands {

// The modifier bits of the command table, the shortcut entry and the keyboard dispatch. The values
// are stored in the configuration file's option values and must not change.
enum class Modifier {
    None = 0,
    Alt = 1,
    Ctrl = 2,
    Shift = 4,
};
Q_DECLARE_FLAGS(Modifiers, Modifier)
Q_DECLARE_OPERATORS_FOR_FLAGS(Modifiers)

// Bits as stored (Alt 1, Ctrl 2, Shift 4); other bits are dropped.
Modifiers modifiersOfBits(int bits);

// Letters of the "mod" attribute of a key binding: written "A", "C", "S" in that order; read in
// any order, other characters ignored. Reading is case-sensitive, as the file is.
QString bindingLetters(Modifiers modifiers);
Modifiers modifiersOfBindingLetters(QStringView letters);

// Letters of the activation hotkey option: written "A", "S", "C" in that order; read in any
// order and any case, other characters ignored.
QString activationLetters(Modifiers modifiers);
Modifiers modifiersOfActivationLetters(QStringView letters);

// The last-key record read by plug-ins uses its own bit order: Alt 1, Shift 2, Ctrl 4.
int lastKeyModifierBits(Modifiers modifiers);
Modifiers modifiersOfLastKeyBits(int bits);

// Conversions from and to the modifiers of Qt's key events; Meta and keypad flags are dropped.
Modifiers modifiersOfQt(Qt::KeyboardModifiers qtModifiers);
Qt::KeyboardModifiers qtModifiersOf(Modifiers modifiers);

} // namespace tabulet::commands
