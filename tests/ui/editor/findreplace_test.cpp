#include "ui/editor/findreplace.h"

#include "editingtestsupport.h"

#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextEdit>

namespace tabulet::ui {
namespace {

class FindReplaceTest : public ::testing::Test
{
protected:
    void show(const QString &text, int selectionStart, int selectionEnd)
    {
        showText(editor, text, selectionStart, selectionEnd);
    }
    void select(int start, int end) { selectRange(editor, start, end); }
    std::pair<int, int> selection() const
    {
        return {editor.textCursor().selectionStart(), editor.textCursor().selectionEnd()};
    }

    QTextEdit editor;
};

TEST(SearchOptions, flagsAreDownwardWholeWordMatchCase)
{
    EXPECT_EQ((SearchOptions{true, false, false}.flags()), 1);
    EXPECT_EQ((SearchOptions{false, true, true}.flags()), 6);
    const SearchOptions back = SearchOptions::fromFlags(7);
    EXPECT_TRUE(back.downward && back.wholeWord && back.matchCase);
    EXPECT_FALSE(SearchOptions::fromFlags(0).downward);
}

struct StepCase
{
    const char *name;
    const char *text;
    int selectionStart;
    int selectionEnd;
    const char *find;
    SearchOptions options;
    SearchResult result;
    int matchStart; // -1: the selection stays
};

class SearchStepCase : public FindReplaceTest, public ::testing::WithParamInterface<StepCase>
{
};

TEST_P(SearchStepCase, selectsTheMatch)
{
    const StepCase &c = GetParam();
    show(QString::fromUtf8(c.text), c.selectionStart, c.selectionEnd);
    EXPECT_EQ(searchStep(editor, QString::fromUtf8(c.find), c.options), c.result);
    if (c.matchStart >= 0)
        EXPECT_EQ(selection(), std::make_pair(c.matchStart, c.matchStart + int(qstrlen(c.find))));
    else
        EXPECT_EQ(selection(), std::make_pair(c.selectionStart, c.selectionEnd));
}

constexpr SearchOptions kDown{true, false, false};
constexpr SearchOptions kUp{false, false, false};

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchStepCase,
    ::testing::Values(
        StepCase{"downFromTheSelectionEnd", "cat cat cat", 0, 3, "cat", kDown, SearchResult::Found, 4},
        StepCase{"afterTheLastMatch_wrapsToTheFirst", "cat cat", 4, 7, "cat", kDown, SearchResult::FoundWrapped, 0},
        StepCase{"upFromTheSelectionStart", "cat cat cat", 8, 11, "cat", kUp, SearchResult::Found, 4},
        StepCase{"upBeforeTheFirstMatch_wrapsToTheLast", "cat cat cat", 0, 3, "cat", kUp, SearchResult::FoundWrapped,
                 8},
        // A match that runs over the point an upward search starts from is not one before it.
        StepCase{"upFromInsideAMatch_findsTheOneBefore", "aaaa", 3, 3, "aa", kUp, SearchResult::Found, 1},
        StepCase{"noMatch_leavesTheSelection", "cat", 1, 2, "dog", kDown, SearchResult::NotFound, -1},
        StepCase{"emptyText_isNeverFound", "cat", 1, 1, "", kDown, SearchResult::NotFound, -1},
        StepCase{"matchCase_skipsOtherCase", "Cat cat", 0, 0, "cat", {true, false, true}, SearchResult::Found, 4},
        StepCase{"ignoringCase_findsOtherCase", "Cat cat", 0, 0, "cat", kDown, SearchResult::Found, 0},
        StepCase{
            "wholeWord_skipsPartsOfWords", "concat cat", 0, 0, "cat", {true, true, false}, SearchResult::Found, 7}),
    [](const ::testing::TestParamInfo<StepCase> &stepCase) { return std::string(stepCase.param.name); });

TEST_F(FindReplaceTest, replaceAll_ofAWithBInBanana_replacesEachOnce)
{
    show(QStringLiteral("banana"), 6, 6);
    EXPECT_EQ(replaceAll(editor, QStringLiteral("a"), QStringLiteral("b"), kDown), 3);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("bbnbnb"));
}

// The replacement holds the searched text: the replacements are never searched again, so it ends.
TEST_F(FindReplaceTest, replaceAll_withTheSearchedTextInTheReplacement_ends)
{
    show(QStringLiteral("a-a"), 0, 0);
    EXPECT_EQ(replaceAll(editor, QStringLiteral("a"), QStringLiteral("aa"), kDown), 2);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("aa-aa"));
    show(QStringLiteral("a-a"), 0, 0);
    EXPECT_EQ(replaceAll(editor, QStringLiteral("a"), QStringLiteral("aa"), kUp), 2);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("aa-aa"));
}

TEST_F(FindReplaceTest, replaceAll_isOneUndoStep_andNothingFoundChangesNothing)
{
    show(QStringLiteral("one two one"), 0, 0);
    EXPECT_EQ(replaceAll(editor, QStringLiteral("ONE"), QStringLiteral("1"), kDown), 2);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("1 two 1"));
    editor.undo();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("one two one"));
    EXPECT_EQ(replaceAll(editor, QStringLiteral("three"), QStringLiteral("3"), kDown), 0);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("one two one"));
}

TEST_F(FindReplaceTest, replaceSelection_onlyReplacesTheSearchedText)
{
    show(QStringLiteral("keep this"), 0, 4);
    EXPECT_FALSE(replaceSelection(editor, QStringLiteral("this"), QStringLiteral("that"), kDown));
    show(QStringLiteral("keep this"), 5, 5);
    EXPECT_FALSE(replaceSelection(editor, QStringLiteral("this"), QStringLiteral("that"), kDown));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("keep this"));
    show(QStringLiteral("keep This"), 5, 9);
    EXPECT_FALSE(replaceSelection(editor, QStringLiteral("this"), QStringLiteral("that"), {true, false, true}));
    EXPECT_TRUE(replaceSelection(editor, QStringLiteral("this"), QStringLiteral("those"), kDown));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("keep those"));
    EXPECT_EQ(selection(), std::make_pair(5, 10));
}

} // namespace
} // namespace tabulet::ui
