#include "ui/window/journalkeeper.h"

#include "settings/folderset.h"
#include "settings/note.h"
#include "settings/notefiles.h"
#include "settings/notejournal.h"
#include "ui/editor/noteeditor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace tabulet::ui {
namespace {

settings::FolderSet withDataFolder(const QString &path)
{
    settings::FolderSet folders;
    folders.dataFolder = path;
    return folders;
}

// A note typed into, then shown again by an editor of a later run that finds only its file and
// its journal.
class JournalKeeperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(folders.dataFolder, folder.path());
        note.fileName = QStringLiteral("tab00001.rtf");
        QFile file(notePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi First line\\par Second {\\b bold} line\\par}");
        file.close();
        editor.show();
        editor.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        ASSERT_TRUE(editor.loadNoteFile(notePath()));
        EXPECT_FALSE(keeper.noteShown(note));
    }

    QString notePath() const { return settings::noteFilePath(folder.path(), note.fileName); }

    // What a later run shows of the note, and whether its journal gave it anything.
    std::pair<QString, bool> shownInALaterRun()
    {
        NoteEditor later;
        JournalKeeper laterKeeper(folders, later);
        EXPECT_TRUE(later.loadNoteFile(notePath()));
        const bool recovered = laterKeeper.noteShown(note);
        return {later.toPlainText(), recovered};
    }

    void select(int from, int to)
    {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
    }

    QTemporaryDir folder;
    settings::FolderSet folders = withDataFolder(folder.path());
    settings::Note note;
    NoteEditor editor;
    JournalKeeper keeper{folders, editor};
};

TEST_F(JournalKeeperTest, whatWasTypedComesBackInALaterRunUntilTheNoteIsSaved)
{
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, QStringLiteral("typed words"));
    QTest::keyClick(&editor, Qt::Key_Return);
    editor.insertPlainText(QStringLiteral("Grüße \U0001F600"));
    select(6, 13);
    QTest::keyClicks(&editor, QStringLiteral("replaced"));
    QTest::keyClick(&editor, Qt::Key_Backspace);
    editor.moveCursor(QTextCursor::Start);
    QTest::keyClick(&editor, Qt::Key_Delete);
    editor.insertPlainText(QStringLiteral("pasted\nover lines\n"));
    editor.undo();
    editor.redo();
    select(0, 9);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    editor.mergeCurrentCharFormat(bold);
    const QString typed = editor.toPlainText();

    const auto [shown, recovered] = shownInALaterRun();
    EXPECT_TRUE(recovered);
    EXPECT_EQ(shown, typed);

    ASSERT_TRUE(editor.saveNoteFile(notePath()));
    keeper.noteSaved(note);
    EXPECT_FALSE(QFileInfo::exists(settings::journalFilePath(folder.path(), note.fileName)));
    EXPECT_EQ(shownInALaterRun(), std::make_pair(typed, false));

    // Typing after the save journals over the saved file.
    QTest::keyClicks(&editor, QStringLiteral(" after"));
    EXPECT_EQ(shownInALaterRun(), std::make_pair(editor.toPlainText(), true));
}

// Random typing, deleting, pasting, formatting, undoing and redoing, with pastes big enough to
// have the journal written afresh as the whole note: the later run shows the same text.
TEST_F(JournalKeeperTest, randomEditingIsReplayedExactly)
{
    std::mt19937 random(22);
    const auto anywhere = [&] {
        return int(random() % uint(editor.document()->characterCount()));
    };
    for (int step = 0; step < 200; ++step) {
        switch (random() % 8) {
        case 0:
            QTest::keyClicks(&editor, QStringLiteral("word "));
            break;
        case 1:
            QTest::keyClick(&editor, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(&editor, random() % 2 ? Qt::Key_Backspace : Qt::Key_Delete);
            break;
        case 3:
            select(anywhere(), anywhere());
            break;
        case 4:
            editor.insertPlainText(
                QStringLiteral("pasted line\u00e9 %1\n").arg(step).repeated(random() % 3 == 0 ? 4000 : 2));
            break;
        case 5: {
            QTextCharFormat format;
            format.setFontItalic(random() % 2);
            editor.mergeCurrentCharFormat(format);
            break;
        }
        case 6:
            editor.undo();
            break;
        default:
            editor.redo();
            break;
        }
    }
    // The journal was written afresh as the whole note on the way.
    EXPECT_TRUE(settings::readJournalFile(settings::journalFilePath(folder.path(), note.fileName)).snapshot);
    const auto [shown, recovered] = shownInALaterRun();
    EXPECT_TRUE(recovered);
    EXPECT_EQ(shown, editor.toPlainText());
}

TEST_F(JournalKeeperTest, aJournalLeftFromBeforeTheNoteWasWrittenIsNotApplied)
{
    QTest::keyClicks(&editor, QStringLiteral("typed "));
    // The note's file written by someone else (or restored) after the journal began.
    QFile::remove(notePath());
    QFile file(notePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi Restored\\par}");
    file.close();
    EXPECT_EQ(shownInALaterRun(), std::make_pair(QStringLiteral("Restored"), false));
}

} // namespace
} // namespace tabulet::ui
