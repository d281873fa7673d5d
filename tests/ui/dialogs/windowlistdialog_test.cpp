// The document list driven as a user would: filters, show/hide, Up/Down and Activate on a copy.
#include "lang/searchtext.h"
#include "lang/texttable.h"
#include "settings/notelist.h"
#include "ui/dialogs/windowlistdialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <map>

namespace tabulet::ui {
namespace {

// Notes "alpha" to "echo"; "bravo" and "delta bill" are hidden. The tests name them by their
// first letters.
settings::NoteList fiveNotes()
{
    settings::NoteList notes;
    for (const char *title : {"alpha", "bravo", "charlie", "delta bill", "echo"}) {
        settings::Note note;
        note.title = QString::fromLatin1(title);
        note.visible = title[0] != 'b' && title[0] != 'd';
        notes.append(note);
    }
    return notes;
}

// The first letters in order, hidden notes in capitals.
QString order(const settings::NoteList &notes)
{
    QString titles;
    for (const settings::Note &note : notes)
        titles += note.visible ? note.title.left(1) : note.title.left(1).toUpper();
    return titles;
}

class DocumentList : public testing::Test
{
protected:
    QString rows() const
    {
        QString titles;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            titles += list->topLevelItem(i)->text(0).left(1);
        return titles;
    }
    void selectRow(int row) { list->setCurrentItem(list->topLevelItem(row)); }
    QPushButton *button(const char *name) { return dialog.findChild<QPushButton *>(QLatin1String(name)); }
    void clickFilter(const char *name) { dialog.findChild<QCheckBox *>(QLatin1String(name))->click(); }

    // The notes' texts, by title.
    const rtf::NoteTextCache::Text *textOf(const settings::Note &note)
    {
        const auto found = noteTexts.find(note.title.left(1));
        return found == noteTexts.end() ? nullptr : &found->second;
    }
    void setText(const char *title, const QString &plain)
    {
        noteTexts[QString::fromLatin1(title)] = {plain, lang::foldForSearch(plain)};
    }

    lang::TextTable texts;
    settings::NoteList live = fiveNotes();
    std::map<QString, rtf::NoteTextCache::Text> noteTexts;
    WindowListDialog dialog{texts, live, [this](const settings::Note &note) {
                                return textOf(note);
                            }};
    QTreeWidget *list = dialog.findChild<QTreeWidget *>(QStringLiteral("notes"));
};

TEST_F(DocumentList, filters_leaveOutVisibleOrHiddenNotesAndBothClearedLeaveNothing)
{
    EXPECT_EQ(rows(), QStringLiteral("abcde"));
    EXPECT_FALSE(button("activate")->isEnabled()) << "nothing is selected yet";
    clickFilter("showVisible");
    EXPECT_EQ(rows(), QStringLiteral("bd"));
    clickFilter("showHidden");
    EXPECT_EQ(rows(), QString());
    for (const char *name : {"activate", "up", "down"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    clickFilter("showVisible");
    EXPECT_EQ(rows(), QStringLiteral("ace"));
}

TEST_F(DocumentList, showHide_togglesTheCopyAndKeepsTheRowWhereItIs)
{
    clickFilter("showHidden");
    selectRow(1);
    button("showHide")->click();
    EXPECT_EQ(rows(), QStringLiteral("ace")) << "the hidden row stays until the list is refilled";
    EXPECT_EQ(order(dialog.notes()), QStringLiteral("aBCDe"));
    EXPECT_EQ(order(live), QStringLiteral("aBcDe")) << "the live list is left alone";
    button("cancel")->click();
    EXPECT_EQ(dialog.result(), WindowListDialog::Cancel);
}

struct MoveCase
{
    const char *name;
    bool showHidden;
    int row;
    int step;
    const char *order; // the copy afterwards, hidden notes in capitals
    int selectedRow;
};

class MovingNotes : public DocumentList, public testing::WithParamInterface<MoveCase>
{
};

TEST_P(MovingNotes, upAndDown_moveTheNotePastTheNeighbourTheListShows)
{
    const MoveCase &move = GetParam();
    if (!move.showHidden)
        clickFilter("showHidden");
    selectRow(move.row);
    button(move.step < 0 ? "up" : "down")->click();
    EXPECT_EQ(order(dialog.notes()), QString::fromLatin1(move.order));
    ASSERT_FALSE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->indexOfTopLevelItem(list->selectedItems().first()), move.selectedRow);
    EXPECT_EQ(button("up")->isEnabled(), move.selectedRow > 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, MovingNotes,
                         testing::Values(MoveCase{"upOnTheFirstRow", true, 0, -1, "aBcDe", 0},
                                         MoveCase{"downOnTheLastRow", true, 4, +1, "aBcDe", 4},
                                         MoveCase{"upInTheMiddle", true, 2, -1, "acBDe", 1},
                                         MoveCase{"downInTheMiddle", true, 1, +1, "acBDe", 2},
                                         // With the hidden notes left out, "c" passes "a" and "e" passes "c".
                                         MoveCase{"upPastAHiddenNote", false, 1, -1, "caBDe", 0},
                                         MoveCase{"downPastAHiddenNote", false, 1, +1, "aBDec", 2},
                                         MoveCase{"downOnTheLastShownRow", false, 2, +1, "aBcDe", 2}),
                         [](const testing::TestParamInfo<MoveCase> &param) { return std::string(param.param.name); });

struct ButtonCase
{
    const char *name;
    bool showHidden;
    const char *query;
    int row;             // -1: nothing selected
    const char *enabled; // activate, show/hide, up, down: '1' enabled
};

class ButtonStates : public DocumentList, public testing::WithParamInterface<ButtonCase>
{
};

TEST_P(ButtonStates, buttons_areEnabledOnlyWhenTheyCanAct)
{
    const ButtonCase &state = GetParam();
    if (!state.showHidden)
        clickFilter("showHidden");
    dialog.findChild<QLineEdit *>(QStringLiteral("search"))->setText(QString::fromLatin1(state.query));
    if (state.row >= 0)
        selectRow(state.row);
    QString enabled;
    for (const char *name : {"activate", "showHide", "up", "down"})
        enabled += button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    EXPECT_EQ(enabled, QString::fromLatin1(state.enabled));
}

INSTANTIATE_TEST_SUITE_P(Selections, ButtonStates,
                         testing::Values(ButtonCase{"nothingSelected", true, "", -1, "0000"},
                                         ButtonCase{"firstRow", true, "", 0, "1101"},
                                         ButtonCase{"middleRow", true, "", 2, "1111"},
                                         ButtonCase{"lastRow", true, "", 4, "1110"},
                                         ButtonCase{"lastShownRowWithHiddenLeftOut", false, "", 2, "1110"},
                                         ButtonCase{"theOnlyRowFound", true, "bill", 0, "1100"},
                                         ButtonCase{"nothingFound", true, "zebra", -1, "0000"}),
                         [](const testing::TestParamInfo<ButtonCase> &param) { return std::string(param.param.name); });

TEST_F(DocumentList, upOntoTheFirstRow_handsTheKeyboardToTheListNotToDown)
{
    dialog.show();
    selectRow(1);
    button("up")->setFocus();
    QTest::keyClick(button("up"), Qt::Key_Space);
    EXPECT_EQ(order(dialog.notes()), QStringLiteral("BacDe"));
    EXPECT_FALSE(button("up")->isEnabled());
    EXPECT_TRUE(list->hasFocus() || !QApplication::focusWidget()) << "a second Space must not move the note back";
    EXPECT_FALSE(button("down")->hasFocus());
}

TEST_F(DocumentList, hiddenNotes_areMarkedInEveryColumnAndFollowShowHide)
{
    const auto marked = [this](int row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        bool all = true;
        for (int column = 0; column < list->columnCount(); ++column)
            all = all && item->font(column).italic() &&
                  item->foreground(column).color() == list->palette().color(QPalette::Disabled, QPalette::Text);
        return all;
    };
    QString marks;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        marks += marked(row) ? QLatin1Char('h') : QLatin1Char('.');
    EXPECT_EQ(marks, QStringLiteral(".h.h."));
    selectRow(0);
    button("showHide")->click();
    EXPECT_TRUE(marked(0)) << "hiding marks the row at once";
    selectRow(1);
    button("showHide")->click();
    EXPECT_FALSE(marked(1));
    EXPECT_FALSE(list->topLevelItem(1)->font(0).italic());
}

TEST(DocumentListWords, everyWordAndThePlaceholderComeFromTheTextTable)
{
    lang::TextTable texts;
    for (const char *key :
         {"DOCUMENTS", "NOTE_TITLE", "NOTE_STATUS", "NOTE_SHOW", "IDC_ACTIVATE", "IDOK", "IDCANCEL", "DOCLIST_SEARCH",
          "DOCLIST_FOUNDTEXT", "DOCLIST_UP", "DOCLIST_DOWN", "DOCLIST_SHOWVISIBLE", "DOCLIST_SHOWHIDDEN"})
        texts.loadLanguageText(QByteArray(key) + ": [" + key + "]");
    WindowListDialog dialog(texts, fiveNotes(), {});
    QStringList shown{dialog.findChild<QLineEdit *>(QStringLiteral("search"))->placeholderText()};
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        shown.append(button->text());
    for (const QCheckBox *box : dialog.findChildren<QCheckBox *>())
        shown.append(box->text());
    const QTreeWidgetItem *header = dialog.findChild<QTreeWidget *>(QStringLiteral("notes"))->headerItem();
    for (int column = 0; column < header->columnCount(); ++column)
        shown.append(header->text(column));
    for (const QString &text : shown)
        EXPECT_TRUE(text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'))) << text.toStdString();
    EXPECT_EQ(shown.size(), 12);
}

TEST_F(DocumentList, activate_handsBackTheChosenNoteAndTheEditedCopy)
{
    dialog.show();
    selectRow(3);
    button("showHide")->click();
    EXPECT_EQ(button("showHide")->text(), texts.text(QStringLiteral("NOTE_HIDE")));
    selectRow(1);
    EXPECT_EQ(button("showHide")->text(), texts.text(QStringLiteral("NOTE_SHOW")));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), WindowListDialog::Activate);
    EXPECT_EQ(dialog.activatedSerial(), live[1].serial);
    EXPECT_EQ(order(dialog.notes()), QStringLiteral("aBcde"));
}

struct SearchCase
{
    const char *name;
    const char *query;
    bool showHidden;
    const char *rows;
};

class Searching : public DocumentList, public testing::WithParamInterface<SearchCase>
{
protected:
    void SetUp() override
    {
        setText("a", QStringLiteral("Call Anna, phone number 555 12 34, about the summer plans."));
        setText("b", QStringLiteral("Été à la mer, crème brûlée"));
        setText("c", QStringLiteral("Pho") + QChar(0x301) + QStringLiteral("ne list, the accent as a combining mark"));
        setText("d", QStringLiteral("Telephone company, March"));
    }
};

TEST_P(Searching, search_keepsNotesWhoseTitleOrTextHoldsEveryWord)
{
    if (!GetParam().showHidden)
        clickFilter("showHidden");
    dialog.findChild<QLineEdit *>(QStringLiteral("search"))->setText(QString::fromUtf8(GetParam().query));
    EXPECT_EQ(rows(), QString::fromLatin1(GetParam().rows));
}

INSTANTIATE_TEST_SUITE_P(Queries, Searching,
                         testing::Values(SearchCase{"nothingTyped", "   ", true, "abcde"},
                                         SearchCase{"wordInText", "phone", true, "acd"},
                                         SearchCase{"otherCaseAndAccents", "ÉTÉ CREME", true, "b"},
                                         SearchCase{"accentedQueryOnPlainText", "phóne", true, "acd"},
                                         SearchCase{"everyWord", "phone 555", true, "a"},
                                         SearchCase{"wordInTitleAndWordInText", "bill march", true, "d"},
                                         SearchCase{"aWordNowhere", "phone zebra", true, ""},
                                         SearchCase{"hiddenNotesLeftOut", "phone", false, "ac"}),
                         [](const testing::TestParamInfo<SearchCase> &param) { return std::string(param.param.name); });

TEST_F(DocumentList, search_showsAnExcerptAndEnterActivatesTheFirstRow)
{
    setText("c", QStringLiteral("A long note. ").repeated(10) +
                     QStringLiteral("The phone number of Anna is 555 12 34. ") +
                     QStringLiteral("More text. ").repeated(10));
    dialog.show();
    auto *search = dialog.findChild<QLineEdit *>(QStringLiteral("search"));
    EXPECT_TRUE(search->hasFocus() || !QApplication::focusWidget()) << "typing goes to the search field";
    search->setText(QStringLiteral("anna"));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    const QString excerpt = list->topLevelItem(0)->text(2);
    EXPECT_TRUE(excerpt.contains(QStringLiteral("phone number of Anna is 555"))) << excerpt.toStdString();
    EXPECT_TRUE(excerpt.startsWith(QChar(0x2026)) && excerpt.endsWith(QChar(0x2026))) << excerpt.toStdString();

    search->setText(QStringLiteral("zebra"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter without a row keeps the list open";
    search->setText(QStringLiteral("anna"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), WindowListDialog::Activate);
    EXPECT_EQ(dialog.activatedSerial(), live[2].serial);
}

} // namespace
} // namespace tabulet::ui
