#include "commands/virtualkeys.h"
#include "lang/texttable.h"
#include "ui/dialogs/enterhotkeydialog.h"
#include "ui/dialogs/myhotkeyctrl.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace tabulet;
using commands::Modifier;

namespace {

// Names in the layout's own case, so that the field's capitalisation shows.
class LayoutNames final : public commands::KeyNames
{
public:
    QString modifierName(Modifier modifier) const override
    {
        return modifier == Modifier::Ctrl ? "CTRL" : modifier == Modifier::Alt ? "ALT" : "SHIFT";
    }
    QString keyName(int virtualKey) const override
    {
        if (virtualKey == commands::vk::Delete)
            return "Del";
        if (virtualKey == commands::vk::F3)
            return "F3";
        return virtualKey >= 'A' && virtualKey <= 'Z' ? QString(QChar(virtualKey)) : QString();
    }
};

class ShortcutField : public ::testing::Test
{
protected:
    LayoutNames names;
    ui::MyHotKeyCtrl field{names};
};

} // namespace

TEST_F(ShortcutField, ctrlThenBThenReleasingBoth_leavesCtrlB)
{
    QSignalSpy changed(&field, &ui::MyHotKeyCtrl::changed);
    EXPECT_EQ(field.text(), "None");
    QTest::keyPress(&field, Qt::Key_Control);
    EXPECT_EQ(field.text(), "Ctrl+");
    EXPECT_EQ(changed.count(), 0) << "a modifier pressed alone tells nothing";
    QTest::keyPress(&field, Qt::Key_B, Qt::ControlModifier);
    QTest::keyRelease(&field, Qt::Key_B, Qt::ControlModifier);
    QTest::keyRelease(&field, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(field.key(), 'B');
    EXPECT_EQ(field.modifiers(), Modifier::Ctrl);
    EXPECT_EQ(field.text(), "Ctrl+B");
    EXPECT_EQ(changed.count(), 1);
}

// QTest releases the modifiers it is given along with the key: single events are sent instead.
TEST_F(ShortcutField, loneModifierReleased_clearsTheKeyAndTells)
{
    const auto send = [&](QEvent::Type type, int key, Qt::KeyboardModifiers held) {
        QKeyEvent event(type, key, held);
        QCoreApplication::sendEvent(&field, &event);
    };
    QSignalSpy changed(&field, &ui::MyHotKeyCtrl::changed);
    send(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    send(QEvent::KeyPress, Qt::Key_Control, Qt::ShiftModifier);
    EXPECT_EQ(field.text(), "Ctrl+Shift+");
    send(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(field.text(), "Ctrl+");
    send(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "None");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(ShortcutField, plainDelete_clearsUnlessAllowed_andModifiedDeleteIsAShortcut)
{
    field.setHotKey('B', Modifier::Ctrl);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "None");
    QTest::keyClick(&field, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "Ctrl+Del");
    field.setAllowPlainDelete(true);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "Del");
}

TEST_F(ShortcutField, keyWithoutAName_showsItsCode)
{
    field.setHotKey(0xE9, Modifier::Alt | Modifier::Shift);
    EXPECT_EQ(field.text(), "Alt+Shift+233");
}

// A modifier counts only while no rule forbids a combination that contains it.
TEST_F(ShortcutField, rules_dropTheForbiddenModifiers)
{
    struct Case
    {
        int rules;
        commands::Modifiers counted;
    };
    const Case cases[] = {
        {0, Modifier::Ctrl | Modifier::Shift | Modifier::Alt},
        {ui::MyHotKeyCtrl::ForbidShift, Modifier::Ctrl | Modifier::Alt},
        {ui::MyHotKeyCtrl::ForbidCtrlAlt, Modifier::Shift},
        {ui::MyHotKeyCtrl::ForbidShiftAlt, Modifier::Ctrl},
        {ui::MyHotKeyCtrl::ForbidAll, {}},
    };
    for (const Case &c : cases) {
        field.setRules(c.rules);
        QTest::keyClick(&field, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        EXPECT_EQ(field.modifiers(), c.counted) << "rules " << c.rules;
    }
}

TEST(EnterHotkeyDialog, conflict_namesTheFirstCommandOnlyForAModifiedKey_andDoesNotBlockOk)
{
    LayoutNames names;
    lang::TextTable texts;
    texts.loadLanguageText("ENTER_HOTKEY: Enter Shortcut\nENTER_HOTKEY_FOR: Shortcut for: %s\nIDOK: OK\n"
                           "IDCANCEL: Cancel\n");
    ui::EnterHotkeyDialog dialog(QStringLiteral("showOptions"), commands::vk::F3, {}, commands::CommandTable(), texts,
                                 names);
    EXPECT_EQ(dialog.windowTitle(), "Enter Shortcut");
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("boundTo"))->text(), "Shortcut for: showOptions");
    EXPECT_EQ(dialog.conflictText(), "") << "F3 alone is searchNext's, but never shown as a conflict";
    dialog.show();
    QTest::keyClick(&dialog.field(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialog.conflictText(), "This shortcut is already used by: makeSelectionBold")
        << "English when the language file has no words for it; the table name when it has no caption";
    // Return is a key for the field, not the dialog's OK.
    QTest::keyClick(&dialog.field(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.conflictText(), "");
    QTest::keyClick(&dialog.field(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.key(), 'B');
    EXPECT_EQ(dialog.modifiers(), Modifier::Ctrl | Modifier::Shift);
}

// Escape and Tab alone are the dialog's: Escape cancels, Tab moves to the buttons. With Ctrl
// they are shortcuts like any other.
TEST(EnterHotkeyDialog, escapeCancels_tabMovesOn_withCtrlBothAreShortcuts)
{
    LayoutNames names;
    lang::TextTable texts;
    ui::EnterHotkeyDialog dialog(QStringLiteral("showOptions"), 'B', Modifier::Ctrl, commands::CommandTable(), texts,
                                 names);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.field().setFocus();
    QTest::keyClick(&dialog.field(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dialog.key(), commands::vk::Tab);
    QTest::keyClick(&dialog.field(), Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_EQ(dialog.key(), 0x1B);
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClick(&dialog.field(), Qt::Key_Tab);
    EXPECT_EQ(dialog.key(), 0x1B) << "Tab alone is no shortcut";
    EXPECT_FALSE(dialog.field().hasFocus());
    dialog.field().setFocus();
    QTest::keyClick(&dialog.field(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
