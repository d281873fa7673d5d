#include "ui/window/keyboardfilter.h"

#include "commands/commandtable.h"
#include "settings/settings.h"
#include "ui/editor/noteeditor.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <vector>

namespace tabulet::ui {
namespace {

class RecordingTarget final : public commands::CommandTarget
{
public:
    void runCommand(commands::CommandId id) override { ran.push_back(id); }
    std::vector<commands::CommandId> ran;
};

class KeyboardFilterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        commandTable.setTarget(&target);
        new QVBoxLayout(&window);
        editor = new NoteEditor(&window);
        window.layout()->addWidget(editor);
        qApp->installEventFilter(&filter);
        filter.setNoteWindow(&window, [this] { ++saves; });
        window.show();
        window.activateWindow();
        editor->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void TearDown() override { qApp->removeEventFilter(&filter); }

    settings::Settings options;
    commands::CommandTable commandTable;
    RecordingTarget target;
    KeyboardFilter filter{options, commandTable};
    QWidget window;
    NoteEditor *editor = nullptr;
    int saves = 0;
};

TEST_F(KeyboardFilterTest, boundKeyRunsTheCommandBeforeTheEditorSeesIt)
{
    QTest::keyClick(window.windowHandle(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(target.ran.size(), 1u);
    EXPECT_EQ(target.ran.front(), commands::CommandId::MakeSelectionBold);
    EXPECT_TRUE(editor->toPlainText().isEmpty());
    QTest::keyClick(window.windowHandle(), Qt::Key_B);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("b"));
    EXPECT_EQ(target.ran.size(), 1u);
}

// A widget's own shortcut would take the key first; the command table wins.
TEST_F(KeyboardFilterTest, commandWinsOverAnActionWithTheSameShortcut)
{
    QAction action(&window);
    action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    window.addAction(&action);
    QSignalSpy triggered(&action, &QAction::triggered);
    QTest::keyClick(window.windowHandle(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(triggered.count(), 0);
    ASSERT_EQ(target.ran.size(), 1u);
    EXPECT_EQ(target.ran.front(), commands::CommandId::NewTab);
}

TEST_F(KeyboardFilterTest, keysInADialogRunNoCommand)
{
    QDialog dialog(&window);
    auto *field = new QLineEdit(&dialog);
    dialog.show();
    dialog.activateWindow();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.windowHandle(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(target.ran.empty());
    // The key is still recorded for the plug-ins: B with Ctrl 4 and Shift 2.
    EXPECT_EQ(filter.lastKey().virtualKey, 'B');
    EXPECT_EQ(filter.lastKey().modifierBits, 6);
}

TEST_F(KeyboardFilterTest, saveAlwaysSavesOnPressAndRelease)
{
    QTest::keyClick(window.windowHandle(), Qt::Key_A);
    EXPECT_EQ(saves, 0);
    options.value(QStringLiteral("savealways")) = QStringLiteral("1");
    QTest::keyClick(window.windowHandle(), Qt::Key_A);
    EXPECT_EQ(saves, 2);
}

TEST_F(KeyboardFilterTest, lastKeyRecordsTheTypedCharacter)
{
    QTest::keyClick(window.windowHandle(), Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(filter.lastKey().virtualKey, 'Q');
    EXPECT_EQ(filter.lastKey().modifierBits, 2);
    QTest::keyClick(window.windowHandle(), Qt::Key_Q);
    EXPECT_EQ(filter.lastKey().modifierBits, 0);
    EXPECT_EQ(filter.lastKey().character, 'q');
    // A command's key is no typed character.
    QTest::keyClick(window.windowHandle(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(filter.lastKey().character, 0);
}

TEST_F(KeyboardFilterTest, noWindow_noCommand)
{
    filter.setNoteWindow(nullptr, {});
    QTest::keyClick(window.windowHandle(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(target.ran.empty());
}

} // namespace
} // namespace tabulet::ui
