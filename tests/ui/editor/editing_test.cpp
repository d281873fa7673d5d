#include "lang/texttable.h"
#include "ui/dialogs/finddialog.h"
#include "ui/editor/editingautoformat.h"
#include "ui/editor/editingexport.h"
#include "ui/editor/editingsort.h"
#include "ui/editor/editingstyles.h"
#include "ui/editor/noteeditor.h"

#include "editingtestsupport.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>

namespace tabulet::ui {
namespace {

class EditingTest : public ::testing::Test
{
protected:
    void show(const QString &text, int selectionStart, int selectionEnd)
    {
        showText(editor, text, selectionStart, selectionEnd);
    }
    void select(int start, int end) { selectRange(editor, start, end); }
    QTextBlock block(int number) const { return editor.document()->findBlockByNumber(number); }

    NoteEditor editor;
};

// --- sorting ---

struct SortCase
{
    const char *name;
    const char *text;
    int selectionStart;
    int selectionEnd;
    SortOrder order;
    const char *sorted;
};

class SortLinesCase : public EditingTest, public ::testing::WithParamInterface<SortCase>
{
};

TEST_P(SortLinesCase, sortsTheLinesTouched)
{
    const SortCase &c = GetParam();
    show(QString::fromUtf8(c.text), c.selectionStart, c.selectionEnd);
    sortLines(editor, c.order);
    EXPECT_EQ(editor.toPlainText(), QString::fromUtf8(c.sorted));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortLinesCase,
    ::testing::Values(
        SortCase{"ascending_capitalsFirst", "c\nB\na", 0, 5, SortOrder::Ascending, "B\na\nc"},
        SortCase{"descending", "c\nB\na", 0, 5, SortOrder::Descending, "c\na\nB"},
        SortCase{"partlySelectedLines_sortWhole", "zeta\nalpha\nrest", 2, 7, SortOrder::Ascending, "alpha\nzeta\nrest"},
        // The line whose first position ends the selection is sorted too.
        SortCase{"endAtTheStartOfALine_includesIt", "b\nc\na\nd", 0, 4, SortOrder::Ascending, "a\nb\nc\nd"},
        SortCase{"nothingSelected_nothingHappens", "b\na", 1, 1, SortOrder::Ascending, "b\na"},
        SortCase{"withinOneLine_nothingHappens", "b a\nc", 0, 3, SortOrder::Ascending, "b a\nc"},
        SortCase{"nonAscii_byCharacterOrder", "\xc3\xa4\nz\nA", 0, 5, SortOrder::Ascending, "A\nz\n\xc3\xa4"}),
    [](const ::testing::TestParamInfo<SortCase> &sortCase) { return std::string(sortCase.param.name); });

TEST_F(EditingTest, sortLines_keepsEachLinesFormatsAndSelectsTheLines_oneUndoStep)
{
    show(QStringLiteral("b plain\na bold\ncentred"), 0, 0);
    select(8, 14);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    editor.textCursor().mergeCharFormat(bold);
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    QTextCursor(block(0)).mergeBlockFormat(centre);
    QTextCursor(block(1)).createList(QTextListFormat::ListDecimal);
    editor.document()->clearUndoRedoStacks();
    select(0, 10);
    ASSERT_TRUE(sortLines(editor, SortOrder::Ascending));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("a bold\nb plain\ncentred"));
    EXPECT_EQ(block(0).begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_NE(block(1).begin().fragment().charFormat().fontWeight(), QFont::Bold);
    // Paragraph formats stay in their places.
    EXPECT_EQ(block(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(block(0).textList(), nullptr);
    EXPECT_NE(block(1).textList(), nullptr);
    EXPECT_EQ(editor.textCursor().selectionStart(), 0);
    EXPECT_EQ(editor.textCursor().selectionEnd(), 14);
    editor.undo();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("b plain\na bold\ncentred"));
}

// --- clearing styles ---

TEST_F(EditingTest, clearStyles_resetsParagraphsAndCharactersButKeepsRightIndent)
{
    show(QStringLiteral("one\ntwo"), 0, 7);
    QTextCharFormat marked;
    marked.setFontItalic(true);
    marked.setForeground(Qt::red);
    editor.textCursor().mergeCharFormat(marked);
    QTextBlockFormat indented;
    indented.setLeftMargin(30);
    indented.setRightMargin(12);
    indented.setTopMargin(5);
    indented.setAlignment(Qt::AlignRight);
    editor.textCursor().mergeBlockFormat(indented);
    editor.textCursor().createList(QTextListFormat::ListDisc);
    clearStyles(editor);
    for (int i = 0; i < 2; ++i) {
        const QTextBlock paragraph = block(i);
        EXPECT_EQ(paragraph.textList(), nullptr);
        EXPECT_EQ(paragraph.blockFormat().leftMargin(), 0);
        EXPECT_EQ(paragraph.blockFormat().topMargin(), 0);
        EXPECT_EQ(paragraph.blockFormat().rightMargin(), 12);
        EXPECT_EQ(paragraph.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        const QTextCharFormat characters = paragraph.begin().fragment().charFormat();
        EXPECT_FALSE(characters.fontItalic());
        EXPECT_FALSE(characters.hasProperty(QTextFormat::ForegroundBrush));
    }
}

TEST_F(EditingTest, clearStyles_keepsPicturesPictures)
{
    show(QStringLiteral("ab"), 1, 1);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("picture"));
    editor.textCursor().insertImage(picture);
    select(0, 3);
    clearStyles(editor);
    QTextCursor at(editor.document());
    at.setPosition(2);
    EXPECT_TRUE(at.charFormat().isImageFormat());
}

// --- font and colours ---

TEST(EditingColours, customColoursStartAsTheNotesWroteThem_andStayChanged)
{
    EXPECT_EQ(kInitialCustomColours.front(), QColor(0xec, 0xc6, 0xa0));
    EXPECT_EQ(kInitialCustomColours.back(), QColor(0xd8, 0xd2, 0xb4));
    installCustomColours();
    EXPECT_EQ(QColorDialog::customColor(3), QColor(0xec, 0xec, 0xa0));
    QColorDialog::setCustomColor(3, Qt::blue);
    installCustomColours();
    EXPECT_EQ(QColorDialog::customColor(3), QColor(Qt::blue));
}

// --- automatic formatting ---

class AutoFormatTest : public EditingTest
{
protected:
    AutoFormatter formatter{editor, [] {
                                return true;
                            }};
};

struct MarkerCase
{
    const char *marker;
    QTextListFormat::Style style;
};

class ListMarkerCase : public AutoFormatTest, public ::testing::WithParamInterface<MarkerCase>
{
};

TEST_P(ListMarkerCase, typedAtTheStartOfAnEmptyParagraph_becomesTheList)
{
    show(QStringLiteral("first\n"), 6, 6);
    QTest::keyClicks(&editor, QString::fromLatin1(GetParam().marker));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("first\n"));
    ASSERT_NE(block(1).textList(), nullptr);
    EXPECT_EQ(block(1).textList()->format().style(), GetParam().style);
    EXPECT_EQ(block(0).textList(), nullptr);
    QTest::keyClicks(&editor, "item");
    EXPECT_EQ(block(1).text(), QStringLiteral("item"));
}

INSTANTIATE_TEST_SUITE_P(Markers, ListMarkerCase,
                         ::testing::Values(MarkerCase{". ", QTextListFormat::ListDisc},
                                           MarkerCase{"- ", QTextListFormat::ListDisc},
                                           MarkerCase{"* ", QTextListFormat::ListDisc},
                                           MarkerCase{"1. ", QTextListFormat::ListDecimal},
                                           MarkerCase{"a. ", QTextListFormat::ListLowerAlpha},
                                           MarkerCase{"A. ", QTextListFormat::ListUpperAlpha},
                                           MarkerCase{"i. ", QTextListFormat::ListLowerRoman},
                                           MarkerCase{"I. ", QTextListFormat::ListUpperRoman}));

TEST_F(AutoFormatTest, markerAfterOtherText_staysText)
{
    show(QString(), 0, 0);
    QTest::keyClicks(&editor, "x1. ");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("x1. "));
    EXPECT_EQ(block(0).textList(), nullptr);
}

TEST_F(AutoFormatTest, markerInANumberedParagraph_staysText)
{
    show(QString(), 0, 0);
    editor.textCursor().createList(QTextListFormat::ListDecimal);
    QTest::keyClicks(&editor, ". ");
    EXPECT_EQ(editor.toPlainText(), QStringLiteral(". "));
    EXPECT_EQ(block(0).textList()->format().style(), QTextListFormat::ListDecimal);
}

TEST_F(AutoFormatTest, plusMinus_anywhereBecomesTheSign_andUndoKeepsWhatWasTyped)
{
    show(QStringLiteral("x"), 1, 1);
    QTest::keyClicks(&editor, " 5+-1");
    EXPECT_EQ(editor.toPlainText(), QString::fromUtf8("x 5\xc2\xb1"
                                                      "1"));
    editor.undo();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("x 5+-"));
}

// --- the find dialog ---

TEST(EditingFindDialog, showsTheLanguagesLabelsWhereItHasThem_andTheLastSearch)
{
    lang::TextTable texts;
    texts.loadLanguageText("ID_BUTTONMENU_REPLACE: &Ersetzen...\nFINDDIALOG_MATCHCASE: Gro\xc3\x9f/klein\n");
    SearchState last{QStringLiteral("was"), QStringLiteral("womit"), 4};
    FindDialog dialog(FindDialog::Mode::Replace, last, texts, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ersetzen"));
    QStringList boxes;
    for (const QCheckBox *box : dialog.findChildren<QCheckBox *>())
        boxes << box->text();
    EXPECT_EQ(boxes, QStringList({QStringLiteral("Match &whole word only"), QString::fromUtf8("Gro\xc3\x9f/klein")}));
    EXPECT_EQ(dialog.findText(), QStringLiteral("was"));
    EXPECT_EQ(dialog.replaceText(), QStringLiteral("womit"));
    EXPECT_EQ(dialog.options().flags(), 4);
    // Nothing to look for: the buttons wait for a text.
    dialog.findChild<QLineEdit *>(QStringLiteral("findText"))->clear();
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        EXPECT_EQ(button->isEnabled(), button->text() == QStringLiteral("Cancel"));
}

// --- export ---

TEST(EditingExport, formatFollowsTheNamesExtensionInAnyCase)
{
    EXPECT_EQ(exportFormatOf(QStringLiteral("/tmp/x.RTF")), ExportFormat::Rtf);
    EXPECT_EQ(exportFormatOf(QStringLiteral("/tmp/x.rtf")), ExportFormat::Rtf);
    EXPECT_EQ(exportFormatOf(QStringLiteral("/tmp/x.txt")), ExportFormat::PlainText);
    EXPECT_EQ(exportFormatOf(QStringLiteral("/tmp/rtf")), ExportFormat::PlainText);
}

TEST(EditingExport, write_replacesTheFileWhole_failureLeavesItAsItWas)
{
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("x.txt"));
    EXPECT_TRUE(writeExport(path, QByteArray("a long first version")));
    EXPECT_TRUE(writeExport(path, QByteArray("short")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("short"));
    EXPECT_FALSE(writeExport(work.filePath(QStringLiteral("missing/x.txt")), QByteArray("x")));
}

TEST(EditingExport, filtersNameTheFormatsInTheLanguage_titlesBecomeSafeNames)
{
    lang::TextTable texts;
    texts.loadLanguageText("RICHEDIT_FILE: Rich %s Text\nTEXT_FILE: Nur Text\n");
    EXPECT_EQ(exportFilters(texts),
              QStringList({QStringLiteral("Rich %s Text (RTF) (*.rtf)"), QStringLiteral("Nur Text (TXT) (*.txt)")}));
    EXPECT_EQ(exportFileName(QStringLiteral("a/b\\c")), QStringLiteral("a_b_c"));
    EXPECT_EQ(exportFileName(QStringLiteral("..")), QStringLiteral("note"));
    EXPECT_EQ(exportFileName(QStringLiteral("Shopping")), QStringLiteral("Shopping"));
}

} // namespace
} // namespace tabulet::ui
