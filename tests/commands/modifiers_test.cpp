#include "commands/modifiers.h"

#include <gtest/gtest.h>

using namespace tabulet::commands;

namespace {

const Modifiers kCtrlShift = Modifier::Ctrl | Modifier::Shift;
const Modifiers kAll = Modifier::Alt | Modifier::Ctrl | Modifier::Shift;

// Bindings write "A", "C", "S"; the activation hotkey "A", "S", "C".
TEST(Modifiers, letters_writeInTheirEncodingsOrder)
{
    EXPECT_EQ(bindingLetters({}), QString());
    EXPECT_EQ(bindingLetters(kCtrlShift), QStringLiteral("CS"));
    EXPECT_EQ(bindingLetters(kAll), QStringLiteral("ACS"));
    EXPECT_EQ(activationLetters(kCtrlShift), QStringLiteral("SC"));
    EXPECT_EQ(activationLetters(kAll), QStringLiteral("ASC"));
}

TEST(Modifiers, letters_readInAnyOrderIgnoringOtherCharacters)
{
    for (const QString &text : {QStringLiteral("CS"), QStringLiteral("SC"), QStringLiteral("S+C"),
                                QStringLiteral(" C x S "), QStringLiteral("CCS")}) {
        EXPECT_EQ(modifiersOfBindingLetters(text), kCtrlShift) << text.toStdString();
        EXPECT_EQ(modifiersOfActivationLetters(text), kCtrlShift) << text.toStdString();
    }
    EXPECT_EQ(modifiersOfBindingLetters(u"SAC"), kAll);
    EXPECT_EQ(modifiersOfBindingLetters(u"1"), Modifiers());
}

TEST(Modifiers, letters_bindingsAreCaseSensitiveActivationIsNot)
{
    EXPECT_EQ(modifiersOfBindingLetters(u"cs"), Modifiers());
    EXPECT_EQ(modifiersOfActivationLetters(u"cs"), kCtrlShift);
    EXPECT_EQ(modifiersOfActivationLetters(u"aSc"), kAll);
}

TEST(Modifiers, everyCombination_survivesEachEncoding)
{
    for (int bits = 0; bits < 8; ++bits) {
        const Modifiers modifiers = modifiersOfBits(bits);
        EXPECT_EQ(modifiers.toInt(), bits);
        EXPECT_EQ(modifiersOfBindingLetters(bindingLetters(modifiers)), modifiers) << bits;
        EXPECT_EQ(modifiersOfActivationLetters(activationLetters(modifiers)), modifiers) << bits;
        EXPECT_EQ(modifiersOfLastKeyBits(lastKeyModifierBits(modifiers)), modifiers) << bits;
        EXPECT_EQ(modifiersOfQt(qtModifiersOf(modifiers)), modifiers) << bits;
    }
}

TEST(Modifiers, modifiersOfBits_dropsUnknownBits)
{
    EXPECT_EQ(modifiersOfBits(0xff), kAll);
    EXPECT_EQ(modifiersOfBits(8), Modifiers());
}

TEST(Modifiers, qtModifiers_mapByMeaningAndDropTheRest)
{
    EXPECT_EQ(modifiersOfQt(Qt::ControlModifier | Qt::KeypadModifier | Qt::MetaModifier), Modifiers(Modifier::Ctrl));
    EXPECT_EQ(qtModifiersOf(Modifier::Alt | Modifier::Shift), Qt::AltModifier | Qt::ShiftModifier);
}

TEST(Modifiers, lastKeyBits_putShiftBeforeCtrl)
{
    EXPECT_EQ(lastKeyModifierBits(Modifier::Alt), 1);
    EXPECT_EQ(lastKeyModifierBits(Modifier::Shift), 2);
    EXPECT_EQ(lastKeyModifierBits(Modifier::Ctrl), 4);
    EXPECT_EQ(lastKeyModifierBits(kCtrlShift), 6);
    EXPECT_EQ(modifiersOfLastKeyBits(2), Modifiers(Modifier::Shift));
    EXPECT_EQ(modifiersOfLastKeyBits(4), Modifiers(Modifier::Ctrl));
}

} // namespace
