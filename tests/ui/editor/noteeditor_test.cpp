#include "ui/editor/noteeditor.h"

#include "rtf/rtfreader.h"
#include "settings/notefiles.h"
#include "ui/editor/notedocumentcache.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace tabulet::ui {
namespace {

class NoteEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editor.show();
        editor.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    QStringList lines() const { return editor.toPlainText().split(QLatin1Char('\n')); }

    void select(int from, int to)
    {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
    }

    NoteEditor editor;
};

TEST_F(NoteEditorTest, showingANote_isNoChange)
{
    QSignalSpy changed(&editor, &NoteEditor::noteChanged);
    editor.showNoteBytes(QByteArray(settings::kNewNoteContent.data(), qsizetype(settings::kNewNoteContent.size())));
    editor.showNoteBytes("{\\rtf1\\ansi Some {\\b bold} text\\par}");
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("Some bold text"));
    EXPECT_FALSE(editor.document()->isUndoAvailable());
}

// Looking for a word's edge in a very long line costs time that grows with the square of its
// length: a note with such a line wraps anywhere, whether it is shown or its text set. Only the
// layout changes; the note's text stays as it was.
TEST_F(NoteEditorTest, noteWithAVeryLongUnbrokenLine_wrapsAnywhereAndKeepsItsText)
{
    const QByteArray line(5000, 'x');
    const auto wrapMode = [this] {
        return editor.document()->defaultTextOption().wrapMode();
    };
    editor.showNoteBytes("{\\rtf1 " + line + "\\par}");
    EXPECT_EQ(wrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(rtf::readRtf(editor.noteBytes()).plainText(), QString::fromLatin1(line));

    editor.showNoteBytes("{\\rtf1 words of a usual note " + line.left(2000) + "\\par}");
    EXPECT_EQ(wrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    QTextCursor cursor(editor.document());
    cursor.insertText(QString::fromLatin1(line));
    EXPECT_EQ(wrapMode(), QTextOption::WrapAnywhere) << "as a paste or a plug-in's text brings it";

    editor.setWrapAtEdge(false);
    editor.showNoteBytes("{\\rtf1 " + line + "\\par}");
    EXPECT_EQ(wrapMode(), QTextOption::NoWrap) << "lines that run on still run on";
    editor.setWrapAtEdge(true);
    EXPECT_EQ(wrapMode(), QTextOption::WrapAnywhere);
}

TEST_F(NoteEditorTest, savedNote_namesTheDefaultFontForTextWithoutAFaceOfItsOwn)
{
    QTextCharFormat format;
    format.setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    editor.setDefaultCharFormat(format);
    editor.showNoteBytes("{\\rtf1\\ansi plain {\\f0\\b bold}\\par}");
    const QByteArray saved = editor.noteBytes();
    EXPECT_TRUE(saved.contains("DejaVu Serif;")) << saved.toStdString();
    EXPECT_FALSE(saved.contains("\\fcharset0;}")) << "no font entry without a name";
}

// A new note's file shows in the default font; once typed into, the note is saved in it.
TEST_F(NoteEditorTest, newNoteFile_showsInTheDefaultFont)
{
    QTextCharFormat format;
    format.setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    editor.setDefaultCharFormat(format);
    editor.showNoteBytes(QByteArray(settings::kNewNoteContent.data(), qsizetype(settings::kNewNoteContent.size())));
    editor.insertPlainText(QStringLiteral("typed"));
    QTextCursor typed(editor.document());
    typed.setPosition(2);
    EXPECT_EQ(typed.charFormat().font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(typed.charFormat().font().pointSize(), 14);
    const QByteArray saved = editor.noteBytes();
    EXPECT_TRUE(saved.contains("DejaVu Serif;")) << saved.toStdString();
    EXPECT_FALSE(saved.contains("Arial")) << saved.toStdString();
}

// Each note shown keeps what the window set for unformatted text and the tab stops.
TEST_F(NoteEditorTest, showingANote_keepsTheDefaultFontAndTabStops)
{
    QTextCharFormat format;
    format.setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    editor.setDefaultCharFormat(format);
    editor.showNoteBytes("{\\rtf1 text\\par}");
    EXPECT_EQ(editor.document()->defaultFont().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(editor.document()->defaultFont().pointSize(), 14);
    EXPECT_EQ(editor.tabStopDistance(), 48.0);
}

// Changes that no key of the editor makes still change the note.
TEST_F(NoteEditorTest, pasteUndoAndCut_changeTheNote)
{
    editor.showNoteBytes("{\\rtf1 first\\par}");
    QSignalSpy changed(&editor, &NoteEditor::noteChanged);
    QApplication::clipboard()->setText(QStringLiteral("pasted "));
    editor.paste();
    EXPECT_EQ(changed.count(), 1);
    editor.undo();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("first"));
    editor.selectAll();
    editor.cut();
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(NoteEditorTest, arrowKeysLeaveTheNoteUnchanged_lettersChangeIt)
{
    editor.showNoteBytes("{\\rtf1 abc\\par}");
    QSignalSpy changed(&editor, &NoteEditor::noteChanged);
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                              Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Shift, Qt::Key_Control})
        QTest::keyClick(&editor, key);
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(&editor, Qt::Key_X);
    EXPECT_GE(changed.count(), 1);
}

TEST_F(NoteEditorTest, tabOverThreeLines_indentsEachAndExtendsTheSelection)
{
    editor.setPlainText(QStringLiteral("one\ntwo\nthree"));
    select(1, 9); // from inside "one" into "three"
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(lines(), QStringList({"\tone", "\ttwo", "\tthree"}));
    EXPECT_EQ(editor.textCursor().selectionStart(), 1);
    EXPECT_EQ(editor.textCursor().selectionEnd(), 12);
}

TEST_F(NoteEditorTest, shiftTab_removesOnlyLeadingTabs)
{
    editor.setPlainText(QStringLiteral("\tone\ntwo\t\n\t\tthree"));
    select(0, editor.document()->characterCount() - 1);
    QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(lines(), QStringList({"one", "two\t", "\tthree"}));
    EXPECT_EQ(editor.textCursor().selectionEnd(), editor.document()->characterCount() - 1);
}

TEST_F(NoteEditorTest, tabWithoutSelection_typesATab_ctrlTabTypesNothing)
{
    editor.setPlainText(QStringLiteral("ab"));
    select(1, 1);
    QTest::keyClick(&editor, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("a\tb"));
    QTest::keyClick(&editor, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("a\tb"));
}

// Plug-ins hear of every key that types into the text, and of no movement.
TEST_F(NoteEditorTest, keysThatTypeIntoTheText_areTold)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int told;
    } cases[] = {
        {Qt::Key_A, {}, 1},
        {Qt::Key_Return, {}, 1},
        {Qt::Key_Enter, Qt::KeypadModifier, 1},
        {Qt::Key_Backspace, {}, 1},
        {Qt::Key_Delete, {}, 1},
        {Qt::Key_Tab, {}, 1},
        {Qt::Key_Left, {}, 0},
        {Qt::Key_Tab, Qt::ControlModifier, 0},
        {Qt::Key_Shift, Qt::ShiftModifier, 0},
    };
    editor.setPlainText(QStringLiteral("abc\ndef"));
    for (const auto &c : cases) {
        select(3, 3);
        QSignalSpy typed(&editor, &NoteEditor::characterTyped);
        QTest::keyClick(&editor, c.key, c.modifiers);
        EXPECT_EQ(typed.count(), c.told) << QKeySequence(c.key).toString().toStdString();
    }
}

TEST_F(NoteEditorTest, clickOnALink_asksToOpenItAndLeavesTheSelection)
{
    editor.showNoteBytes("{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"https://example.org/\"}"
                         "{\\fldrslt the site}} now\\par}");
    editor.placeCaret(0);
    QSignalSpy opened(&editor, &NoteEditor::linkActivated);
    QTextCursor link(editor.document());
    link.setPosition(6);
    const QPoint onLink = editor.cursorRect(link).center();
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, onLink);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.front().front().toUrl(), QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(editor.textCursor().position(), 0);
}

// Addresses written in the text show and open as links, and stay plain text in the saved note.
TEST_F(NoteEditorTest, writtenAddresses_showAndOpenAsLinks_andAreSavedAsPlainText)
{
    QPalette colours = editor.palette();
    colours.setColor(QPalette::Link, QColor(255, 0, 255));
    editor.setPalette(colours);
    const QString text = QStringLiteral("see www.example.org, mail anna@example.org now");
    editor.insertPlainText(text);
    editor.placeCaret(0);
    QSignalSpy opened(&editor, &NoteEditor::linkActivated);
    const auto pointAt = [&](int position) {
        QTextCursor at(editor.document());
        at.setPosition(position);
        return editor.cursorRect(at).center() + QPoint(2, 0);
    };
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, pointAt(int(text.indexOf(u"example"))));
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, pointAt(int(text.indexOf(u"anna"))));
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, pointAt(1));
    ASSERT_EQ(opened.count(), 2);
    EXPECT_EQ(opened[0].front().toUrl(), QUrl(QStringLiteral("http://www.example.org")));
    EXPECT_EQ(opened[1].front().toUrl(), QUrl(QStringLiteral("mailto:anna@example.org")));
    EXPECT_EQ(editor.textCursor().position(), 1) << "a click beside the links places the caret";

    // The link colour shows under the address and nowhere under "see".
    const QImage shown = editor.viewport()->grab().toImage();
    const auto underlined = [&](int from, int to) {
        const QRect line = editor.cursorRect(QTextCursor(editor.document()));
        for (int x = pointAt(from).x(); x < pointAt(to).x(); ++x) {
            for (int y = line.top(); y <= line.bottom() + 3; ++y) {
                if (shown.pixelColor(x, y) == QColor(255, 0, 255))
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(underlined(int(text.indexOf(u"www")), int(text.indexOf(u','))));
    EXPECT_FALSE(underlined(0, 3));

    const QByteArray saved = editor.noteBytes();
    EXPECT_FALSE(saved.contains("field")) << saved.constData();
    EXPECT_FALSE(saved.contains("HYPERLINK")) << saved.constData();
    EXPECT_TRUE(saved.contains("see www.example.org, mail anna@example.org now")) << saved.constData();
}

struct LinkCase
{
    const char *name;
    const char *target;
    const char *opened; // empty: refused
};

class OpenableLink : public ::testing::TestWithParam<LinkCase>
{
};

TEST_P(OpenableLink, of)
{
    EXPECT_EQ(NoteEditor::openableLink(QString::fromLatin1(GetParam().target)),
              QUrl(QString::fromLatin1(GetParam().opened)));
}

INSTANTIATE_TEST_SUITE_P(Targets, OpenableLink,
                         ::testing::Values(LinkCase{"web", "https://example.org/a?b=c", "https://example.org/a?b=c"},
                                           LinkCase{"mail", "mailto:someone@example.org", "mailto:someone@example.org"},
                                           LinkCase{"wwwWithoutScheme", "www.example.org", "http://www.example.org"},
                                           LinkCase{"localFile_refused", "file:///usr/bin/xterm", ""},
                                           LinkCase{"script_refused", "javascript:alert(1)", ""},
                                           LinkCase{"customHandler_refused", "steam://run/1", ""},
                                           LinkCase{"bareWord_refused", "notes", ""}),
                         [](const ::testing::TestParamInfo<LinkCase> &caseInfo) {
                             return std::string(caseInfo.param.name);
                         });

TEST(NoteEditorFiles, savedNoteReadsBack_missingFileShowsEmpty)
{
    QTemporaryDir folder;
    NoteEditor writer;
    writer.showNoteBytes("{\\rtf1\\ansi Kept {\\b words}\\par}");
    const QString path = folder.filePath(QStringLiteral("tab00001.rtf"));
    ASSERT_TRUE(writer.saveNoteFile(path));

    NoteEditor reader;
    ASSERT_TRUE(reader.loadNoteFile(path));
    EXPECT_EQ(reader.toPlainText(), QStringLiteral("Kept words"));
    QTextCursor bold(reader.document());
    bold.setPosition(7);
    EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);
    ASSERT_TRUE(reader.loadNoteFile(folder.filePath(QStringLiteral("missing.rtf"))));
    EXPECT_TRUE(reader.toPlainText().isEmpty());
}

// Going back and forth between notes: a note left unchanged is shown again from memory, but
// never once its file changed, and never with changes that were not written.
class NoteEditorSwitching : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        write(first, "{\\rtf1 first note\\par}");
        write(second, "{\\rtf1 second note\\par}");
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("tab00001.rtf"));
    const QString second = folder.filePath(QStringLiteral("tab00002.rtf"));
    NoteEditor editor;
};

TEST_F(NoteEditorSwitching, unchangedNote_comesBackAsItWasWithoutAChangeOrUndo)
{
    QSignalSpy changed(&editor, &NoteEditor::noteChanged);
    ASSERT_TRUE(editor.loadNoteFile(first));
    const QTextDocument *firstDocument = editor.document();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(editor.loadNoteFile(second));
        EXPECT_EQ(editor.toPlainText(), QStringLiteral("second note"));
        ASSERT_TRUE(editor.loadNoteFile(first));
        EXPECT_EQ(editor.toPlainText(), QStringLiteral("first note"));
    }
    EXPECT_EQ(editor.document(), firstDocument) << "kept, not read again";
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(editor.document()->isUndoAvailable());
}

TEST_F(NoteEditorSwitching, savedChanges_comeBack_unsavedOnesAreNotKept)
{
    ASSERT_TRUE(editor.loadNoteFile(first));
    editor.moveCursor(QTextCursor::End);
    editor.insertPlainText(QStringLiteral(" saved"));
    ASSERT_TRUE(editor.saveNoteFile(first));
    ASSERT_TRUE(editor.loadNoteFile(second));
    editor.moveCursor(QTextCursor::End);
    editor.insertPlainText(QStringLiteral(" never written"));
    const QPointer<QTextDocument> unsaved = editor.document();

    ASSERT_TRUE(editor.loadNoteFile(first));
    EXPECT_TRUE(unsaved.isNull()) << "neither kept nor left behind in memory";
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("first note saved"));
    ASSERT_TRUE(editor.loadNoteFile(second));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("second note")) << "read from its file";
}

TEST_F(NoteEditorSwitching, fileChangedOrReplacedMeanwhile_isReadAfresh)
{
    ASSERT_TRUE(editor.loadNoteFile(first));
    ASSERT_TRUE(editor.loadNoteFile(second));
    write(first, "{\\rtf1 written by someone else, longer\\par}");
    ASSERT_TRUE(editor.loadNoteFile(first));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("written by someone else, longer"));

    // Replaced at once by a file of the same size, as programs that save safely do.
    ASSERT_TRUE(editor.loadNoteFile(second));
    const QString replacement = folder.filePath(QStringLiteral("replacement.rtf"));
    write(replacement, "{\\rtf1 WRITTEN BY SOMEONE ELSE, LONGER\\par}");
    ASSERT_TRUE(QFile::remove(first));
    ASSERT_TRUE(QFile::rename(replacement, first));
    ASSERT_TRUE(editor.loadNoteFile(first));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("WRITTEN BY SOMEONE ELSE, LONGER"));

    // A note deleted while shown, and a new one created under its file name.
    ASSERT_TRUE(QFile::remove(first));
    ASSERT_TRUE(editor.loadNoteFile(second));
    write(first, "{\\rtf1 new\\par}");
    ASSERT_TRUE(editor.loadNoteFile(first));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("new"));
}

// How many of the note's paragraphs are laid out.
int laidOutParagraphs(const QTextDocument &note)
{
    int laidOut = 0;
    for (QTextBlock block = note.begin(); block.isValid(); block = block.next())
        laidOut += block.layout()->lineCount() > 0;
    return laidOut;
}

TEST_F(NoteEditorSwitching, keptNote_comesBackLaidOut_atANewWidthItIsLaidOutAgain)
{
    QByteArray longNote = "{\\rtf1 ";
    for (int paragraph = 0; paragraph < 3000; ++paragraph)
        longNote += "paragraph " + QByteArray::number(paragraph) + " with words enough to wrap in a narrow editor\\par\n";
    write(first, longNote + "}");
    editor.resize(300, 200);
    ASSERT_TRUE(editor.loadNoteFile(first));
    const QTextDocument *note = editor.document();
    QTRY_COMPARE(laidOutParagraphs(*note), note->blockCount());
    // The scroll bar's range is estimated while the note is laid out, and exact once it is.
    const int scrollRange = note->size().toSize().height() - editor.viewport()->height();
    ASSERT_GT(scrollRange, 0);
    QTRY_COMPARE(editor.verticalScrollBar()->maximum(), scrollRange);

    ASSERT_TRUE(editor.loadNoteFile(second));
    EXPECT_EQ(editor.verticalScrollBar()->maximum(), 0) << "the scroll bar follows the short note";
    ASSERT_TRUE(editor.loadNoteFile(first));
    ASSERT_EQ(editor.document(), note);
    EXPECT_EQ(laidOutParagraphs(*note), note->blockCount()) << "not laid out again";
    EXPECT_EQ(editor.verticalScrollBar()->maximum(), scrollRange);

    // While it was put aside the editor grew wider: its lines are longer now.
    ASSERT_TRUE(editor.loadNoteFile(second));
    editor.resize(600, 200);
    QApplication::processEvents();
    ASSERT_TRUE(editor.loadNoteFile(first));
    EXPECT_EQ(note->pageSize().width(), editor.viewport()->width());
    QTRY_COMPARE(laidOutParagraphs(*note), note->blockCount());
    EXPECT_LT(editor.verticalScrollBar()->maximum(), scrollRange);
}

// A kept note comes back with its own wrap mode, and the next note has its own again.
TEST_F(NoteEditorSwitching, keptNoteWithAVeryLongLine_comesBackWrappingAnywhere)
{
    write(first, "{\\rtf1 " + QByteArray(5000, 'x') + "\\par}");
    ASSERT_TRUE(editor.loadNoteFile(first));
    const QTextDocument *firstDocument = editor.document();
    ASSERT_TRUE(editor.loadNoteFile(second));
    EXPECT_EQ(editor.document()->defaultTextOption().wrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    ASSERT_TRUE(editor.loadNoteFile(first));
    EXPECT_EQ(editor.document(), firstDocument);
    EXPECT_EQ(editor.document()->defaultTextOption().wrapMode(), QTextOption::WrapAnywhere);
    EXPECT_GT(editor.document()->firstBlock().layout()->lineCount(), 1) << "wrapped within the editor";
}

TEST_F(NoteEditorSwitching, onlyTheLastFewNotesAreKept)
{
    QStringList paths;
    for (int i = 1; i <= NoteDocumentCache::kKeptDocuments + 3; ++i) {
        paths << folder.filePath(QStringLiteral("note%1.rtf").arg(i));
        write(paths.back(), "{\\rtf1 note " + QByteArray::number(i) + "\\par}");
    }
    QList<QPointer<QTextDocument>> shown;
    for (const QString &path : paths) {
        ASSERT_TRUE(editor.loadNoteFile(path));
        shown << editor.document();
    }
    const auto alive =
        std::count_if(shown.begin(), shown.end(), [](const auto &document) { return !document.isNull(); });
    EXPECT_EQ(alive, NoteDocumentCache::kKeptDocuments + 1) << "the kept ones and the shown one";
    EXPECT_TRUE(shown.front().isNull()) << "the oldest went";
    ASSERT_TRUE(editor.loadNoteFile(paths.front()));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("note 1"));
}

TEST(NoteEditorFiles, save_reportsAFolderThatCannotBeWritten)
{
    QTemporaryDir folder;
    NoteEditor editor;
    editor.showNoteBytes("{\\rtf1 new\\par}");
    EXPECT_FALSE(editor.saveNoteFile(folder.filePath(QStringLiteral("no/such/folder/tab00001.rtf"))));
}

TEST(NoteEditorFiles, placeCaret_isClampedToTheText)
{
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("four"));
    editor.placeCaret(2);
    EXPECT_EQ(editor.textCursor().position(), 2);
    EXPECT_FALSE(editor.textCursor().hasSelection());
    editor.placeCaret(400);
    EXPECT_EQ(editor.textCursor().position(), 4);
}

} // namespace
} // namespace tabulet::ui
