#include "ui/window/editingcommands.h"

#include "editingtestsupport.h"
#include "fakeprompts.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/mainwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <deque>

namespace tabulet::ui {
namespace {

using commands::CommandId;

// Answers the editing dialogs from a script and records what they were offered.
class FakeEditingDialogs final : public EditingDialogs
{
public:
    std::optional<QFont> font;
    std::optional<QColor> colour;
    QString exportFile;
    QFont fontOffered;
    QString nameOffered;
    QStringList filtersOffered;

    std::optional<QFont> askFont(const QFont &initial) override
    {
        fontOffered = initial;
        return font;
    }
    std::optional<QColor> askColour() override { return colour; }
    QString askExportFile(const QString &proposedName, const QStringList &filters) override
    {
        nameOffered = proposedName;
        filtersOffered = filters;
        return exportFile;
    }
};

class EditingCommandsTest : public ::testing::Test
{
protected:
    // Two notes, A with the text given, B empty; A is shown.
    void open(const QByteArray &text, std::initializer_list<std::pair<const char *, const char *>> options = {})
    {
        context.texts.loadLanguageText("RICHEDIT_FILE: Rich Text\nTEXT_FILE: Plain Text\n"
                                       "ID_BUTTONMENU_REPLACE: Replace...\nID_TRAY_TOOLTIP: Tabulet - %s\n");
        QByteArray xml = "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n";
        for (const auto &[key, value] : options)
            xml += QByteArray("<option key=\"") + key + "\" val=\"" + value + "\"/>\n";
        xml += "</options>\n<notes>\n"
               "<note id=\"0\" title=\"A/1\" filename=\"tab00001.rtf\" visible=\"1\"/>\n"
               "<note id=\"1\" title=\"B\" filename=\"tab00002.rtf\" visible=\"1\"/>\n"
               "</notes>\n</config>\n";
        write(QStringLiteral("tbu_config.xml"), xml);
        write(QStringLiteral("tab00001.rtf"), "{\\rtf1\\ansi " + text + "\\par}");
        write(QStringLiteral("tab00002.rtf"), "{\\rtf1\\ansi \\par}");
        window = std::make_unique<MainWindow>(context);
        window->setPrompts(std::make_unique<FakePrompts>(log));
        auto fake = std::make_unique<FakeEditingDialogs>();
        dialogs = fake.get();
        window->editing().setDialogs(std::move(fake));
        window->editing().setSound([this] { ++sounds; });
        ASSERT_TRUE(window->initialise());
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(QDir(work.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString &path) const
    {
        QFile file(QDir(work.path()).filePath(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    NoteEditor &editor() { return window->editor(); }
    void select(int start, int end) { selectRange(editor(), start, end); }
    QTextCharFormat formatAt(int position)
    {
        QTextCursor cursor(editor().document());
        cursor.setPosition(position);
        return cursor.charFormat();
    }
    // Leaves the note and comes back, so that it is written and read again.
    void saveAndReload()
    {
        window->runCommand(CommandId::ChangeToNextTab);
        window->runCommand(CommandId::ChangeToPrevTab);
    }

    static settings::FolderSet folders(const QTemporaryDir &work)
    {
        settings::FolderSet set;
        set.dataFolder = work.path();
        set.programFolder = QStringLiteral(TABULET_BINARY_DIR);
        set.themesFolder = work.filePath(QStringLiteral("themes"));
        set.languagesFolder = work.filePath(QStringLiteral("languages"));
        set.tempFolder = QDir::tempPath() + QLatin1Char('/');
        return set;
    }

    QTemporaryDir work;
    ApplicationContext context{folders(work)};
    std::unique_ptr<MainWindow> window;
    FakePrompts::Log log;
    FakeEditingDialogs *dialogs = nullptr;
    int sounds = 0;
};

TEST_F(EditingCommandsTest, cancelledColour_changesNothing_chosenColourIsSaved)
{
    open("plain");
    select(0, 5);
    window->runCommand(CommandId::SelectTextColor);
    EXPECT_FALSE(formatAt(1).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(window->tabs().selectedNote()->modified);
    dialogs->colour = QColor(0x12, 0x34, 0x56);
    window->runCommand(CommandId::SelectTextColor);
    dialogs->colour = QColor(0xff, 0xee, 0xdd);
    window->runCommand(CommandId::SelectBackgroundColor);
    saveAndReload();
    EXPECT_EQ(formatAt(1).foreground().color(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(formatAt(1).background().color(), QColor(0xff, 0xee, 0xdd));
}

TEST_F(EditingCommandsTest, fontDialog_startsWithTheSelectionsFont_andItsChoiceIsSaved)
{
    open("{\\b bold} text");
    select(0, 2);
    window->runCommand(CommandId::SelectFont);
    EXPECT_EQ(dialogs->fontOffered.weight(), QFont::Bold);
    dialogs->font = QFont(QStringLiteral("DejaVu Serif"), 16);
    window->runCommand(CommandId::SelectFont);
    saveAndReload();
    EXPECT_EQ(formatAt(1).fontPointSize(), 16);
    EXPECT_EQ(formatAt(1).fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Serif"));
}

TEST_F(EditingCommandsTest, sortAndClearStyles_areSavedWithTheNote)
{
    open("c\\par {\\b B}\\par a");
    select(0, 5);
    window->runCommand(CommandId::SortDescending);
    saveAndReload();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("c\na\nB"));
    select(0, 5);
    window->runCommand(CommandId::ClearAllStyles);
    saveAndReload();
    EXPECT_NE(formatAt(5).fontWeight(), QFont::Bold);
}

TEST_F(EditingCommandsTest, replaceDialog_replaceAllInBanana_endsWithTheSound)
{
    open("banana");
    window->runCommand(CommandId::Replace);
    FindDialog *dialog = window->editing().findDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Replace"));
    // A second dialog is not opened while one is.
    window->runCommand(CommandId::Search);
    EXPECT_EQ(window->editing().findDialog(), dialog);
    dialog->findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("a"));
    dialog->findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(QStringLiteral("b"));
    emit dialog->replaceAllRequested();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("bbnbnb"));
    EXPECT_EQ(sounds, 1);
    saveAndReload();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("bbnbnb"));
    dialog->close();
    QApplication::processEvents();
    EXPECT_EQ(window->editing().findDialog(), nullptr);
    EXPECT_EQ(window->editing().searchState().replaceText, QStringLiteral("b"));
}

struct ReplaceAllCase
{
    const char *name;
    const char *text;
    const char *findText;
    int replaced;
    const char *after;
};

class ReplaceAllCount : public EditingCommandsTest, public testing::WithParamInterface<ReplaceAllCase>
{
};

// Replace All says how many places it changed, none included.
TEST_P(ReplaceAllCount, replaceAll_saysHowManyPlacesChanged)
{
    open(GetParam().text);
    window->runCommand(CommandId::Replace);
    FindDialog *dialog = window->editing().findDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QString::fromLatin1(GetParam().findText));
    dialog->findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(QStringLiteral("o"));
    emit dialog->replaceAllRequested();
    EXPECT_EQ(editor().toPlainText(), QString::fromLatin1(GetParam().after));
    const QString outcome = dialog->findChild<QLabel *>(QStringLiteral("outcome"))->text();
    EXPECT_TRUE(outcome.contains(QString::number(GetParam().replaced))) << outcome.toStdString();
    dialog->close();
}

INSTANTIATE_TEST_SUITE_P(Texts, ReplaceAllCount,
                         testing::Values(ReplaceAllCase{"several", "banana", "a", 3, "bonono"},
                                         ReplaceAllCase{"otherCase", "Banana", "b", 1, "oanana"},
                                         ReplaceAllCase{"none", "banana", "x", 0, "banana"}),
                         [](const testing::TestParamInfo<ReplaceAllCase> &testInfo) { return testInfo.param.name; });

// A search that finds nothing says so with the text searched for: in the dialog while it is open
// (until the text changes), else at the text cursor.
TEST_F(EditingCommandsTest, searchFindingNothing_saysSoInTheDialogOrAtTheCursor)
{
    open("cat");
    window->runCommand(CommandId::Search);
    FindDialog *dialog = window->editing().findDialog();
    ASSERT_NE(dialog, nullptr);
    auto *findText = dialog->findChild<QLineEdit *>(QStringLiteral("findText"));
    const auto *outcome = dialog->findChild<QLabel *>(QStringLiteral("outcome"));
    findText->setText(QStringLiteral("dog"));
    emit dialog->findNextRequested();
    EXPECT_TRUE(outcome->text().contains(QStringLiteral("\"dog\""))) << outcome->text().toStdString();
    EXPECT_EQ(sounds, 1);
    findText->setText(QStringLiteral("cat"));
    EXPECT_TRUE(outcome->text().isEmpty());
    dialog->close();
    QApplication::processEvents();
    window->runCommand(CommandId::SearchNext);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("\"dog\""))) << QToolTip::text().toStdString();
    EXPECT_EQ(sounds, 2);
}

// The automatic formatting is for typing: a replacement stays as the user wrote it.
TEST_F(EditingCommandsTest, replacementEndingInPlusMinus_staysAsWritten)
{
    open("x and x");
    window->runCommand(CommandId::Replace);
    FindDialog *dialog = window->editing().findDialog();
    dialog->findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("x"));
    dialog->findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(QStringLiteral("+-"));
    emit dialog->replaceAllRequested();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("+- and +-"));
    dialog->close();
}

TEST_F(EditingCommandsTest, replaceOnce_replacesTheMatchAndSelectsTheNext)
{
    open("one one");
    window->runCommand(CommandId::Replace);
    FindDialog *dialog = window->editing().findDialog();
    dialog->findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("one"));
    dialog->findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(QStringLiteral("1"));
    editor().moveCursor(QTextCursor::Start);
    emit dialog->replaceRequested(); // nothing selected yet: only finds
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("one one"));
    emit dialog->replaceRequested();
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("1 one"));
    EXPECT_EQ(editor().textCursor().selectedText(), QStringLiteral("one"));
    EXPECT_TRUE(window->tabs().selectedNote()->modified);
    dialog->close();
}

TEST_F(EditingCommandsTest, searchNextAndPrev_repeatTheLastSearchWithoutTheDialog)
{
    open("cat dog cat");
    window->runCommand(CommandId::Search);
    FindDialog *dialog = window->editing().findDialog();
    dialog->findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("cat"));
    editor().moveCursor(QTextCursor::Start);
    emit dialog->findNextRequested();
    dialog->close();
    QApplication::processEvents();
    EXPECT_EQ(editor().textCursor().selectionStart(), 0);
    window->runCommand(CommandId::SearchNext);
    EXPECT_EQ(editor().textCursor().selectionStart(), 8);
    window->runCommand(CommandId::SearchNext); // past the last match: the first again
    EXPECT_EQ(editor().textCursor().selectionStart(), 0);
    window->runCommand(CommandId::SearchPrev);
    EXPECT_EQ(editor().textCursor().selectionStart(), 8);
    EXPECT_EQ(sounds, 0);
    editor().clear();
    window->runCommand(CommandId::SearchNext);
    EXPECT_EQ(sounds, 1);
}

TEST_F(EditingCommandsTest, pasteTextOnly_insertsTheTextWithoutItsFormats)
{
    open("ab");
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<b>bold</b>"));
    mime->setText(QStringLiteral("bold"));
    QApplication::clipboard()->setMimeData(mime);
    select(1, 1);
    window->runCommand(CommandId::PasteTextOnly);
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("aboldb"));
    EXPECT_NE(formatAt(3).fontWeight(), QFont::Bold);
    EXPECT_TRUE(window->tabs().selectedNote()->modified);
}

TEST_F(EditingCommandsTest, export_writesRtfOrTextByTheChosenName_cancelWritesNothing)
{
    open("exported");
    window->runCommand(CommandId::SaveCopy);
    EXPECT_EQ(dialogs->nameOffered, QStringLiteral("A_1"));
    EXPECT_EQ(dialogs->filtersOffered.value(1), QStringLiteral("Plain Text (TXT) (*.txt)"));
    EXPECT_TRUE(QDir(work.path()).entryList({QStringLiteral("x.*")}).isEmpty());
    dialogs->exportFile = work.filePath(QStringLiteral("x.RTF"));
    window->runCommand(CommandId::SaveCopy);
    EXPECT_TRUE(read(QStringLiteral("x.RTF")).startsWith("{\\rtf1"));
    dialogs->exportFile = work.filePath(QStringLiteral("x.txt"));
    window->runCommand(CommandId::SaveCopy);
    EXPECT_EQ(read(QStringLiteral("x.txt")), QByteArray("exported"));
    EXPECT_TRUE(window->acceptsIncoming());
}

TEST_F(EditingCommandsTest, autoformatOption_off_leavesMarkersAsTyped)
{
    open("", {{"autoformat", "0"}});
    editor().setFocus();
    QTest::keyClicks(&editor(), "1. x+-");
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("1. x+-"));
}

} // namespace
} // namespace tabulet::ui
