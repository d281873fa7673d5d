#include "commands/modifiers.h"

#include <initializer_list>

namespace tabulet::commands {

namespace {

constexpr int kAllBits = 1 | 2 | 4;

struct LetterOf
{
    Modifier modifier;
    QChar letter;
};

// The letter of each set modifier, in the given order.
QString lettersOf(Modifiers modifiers, std::initializer_list<LetterOf> order)
{
    QString letters;
    for (const LetterOf &entry : order) {
        if (modifiers.testFlag(entry.modifier))
            letters += entry.letter;
    }
    return letters;
}

Modifiers modifiersOfLetters(QStringView letters, Qt::CaseSensitivity cs)
{
    Modifiers modifiers;
    const auto has = [&](QLatin1Char letter) {
        return letters.contains(QChar(letter), cs);
    };
    if (has(QLatin1Char('A')))
        modifiers |= Modifier::Alt;
    if (has(QLatin1Char('C')))
        modifiers |= Modifier::Ctrl;
    if (has(QLatin1Char('S')))
        modifiers |= Modifier::Shift;
    return modifiers;
}

} // namespace

Modifiers modifiersOfBits(int bits)
{
    return Modifiers::fromInt(bits & kAllBits);
}

QString bindingLetters(Modifiers modifiers)
{
    return lettersOf(
        modifiers,
        {{Modifier::Alt, QLatin1Char('A')}, {Modifier::Ctrl, QLatin1Char('C')}, {Modifier::Shift, QLatin1Char('S')}});
}

Modifiers modifiersOfBindingLetters(QStringView letters)
{
    return modifiersOfLetters(letters, Qt::CaseSensitive);
}

QString activationLetters(Modifiers modifiers)
{
    return lettersOf(
        modifiers,
        {{Modifier::Alt, QLatin1Char('A')}, {Modifier::Shift, QLatin1Char('S')}, {Modifier::Ctrl, QLatin1Char('C')}});
}

Modifiers modifiersOfActivationLetters(QStringView letters)
{
    return modifiersOfLetters(letters, Qt::CaseInsensitive);
}

int lastKeyModifierBits(Modifiers modifiers)
{
    int bits = 0;
    if (modifiers.testFlag(Modifier::Alt))
        bits |= 1;
    if (modifiers.testFlag(Modifier::Shift))
        bits |= 2;
    if (modifiers.testFlag(Modifier::Ctrl))
        bits |= 4;
    return bits;
}

Modifiers modifiersOfLastKeyBits(int bits)
{
    Modifiers modifiers;
    if (bits & 1)
        modifiers |= Modifier::Alt;
    if (bits & 2)
        modifiers |= Modifier::Shift;
    if (bits & 4)
        modifiers |= Modifier::Ctrl;
    return modifiers;
}

Modifiers modifiersOfQt(Qt::KeyboardModifiers qtModifiers)
{
    Modifiers modifiers;
    if (qtModifiers.testFlag(Qt::AltModifier))
        modifiers |= Modifier::Alt;
    if (qtModifiers.testFlag(Qt::ControlModifier))
        modifiers |= Modifier::Ctrl;
    if (qtModifiers.testFlag(Qt::ShiftModifier))
        modifiers |= Modifier::Shift;
    return modifiers;
}

Qt::KeyboardModifiers qtModifiersOf(Modifiers modifiers)
{
    Qt::KeyboardModifiers qtModifiers;
    if (modifiers.testFlag(Modifier::Alt))
        qtModifiers |= Qt::AltModifier;
    if (modifiers.testFlag(Modifier::Ctrl))
        qtModifiers |= Qt::ControlModifier;
    if (modifiers.testFlag(Modifier::Shift))
        qtModifiers |= Qt::ShiftModifier;
    return qtModifiers;
}

} // namespace tabulet::commands
