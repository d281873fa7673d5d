#include "ui/window/mainwindow.h"

#include "archive/archivescan.h"
#include "fakeprompts.h"
#include "plugins/pluginhost.h"
#include "settings/journalwriter.h"
#include "settings/notefiles.h"
#include "testfolders.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/menus/menuitems.h"
#include "ui/skin/skin.h"
#include "ui/skin/skinnedbutton.h"
#include "ui/window/idlesaver.h"
#include "ui/window/tabstrip.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace tabulet::ui {
namespace {

using commands::CommandId;

struct NoteLine
{
    const char *title;
    bool visible = true;
    const char *text = "";
};

class MainWindowTest : public ::testing::Test
{
protected:
    // Writes a configuration with these notes (files tab00001.rtf on) and options, then opens
    // the window on it.
    void open(std::initializer_list<NoteLine> notes,
              std::initializer_list<std::pair<const char *, const char *>> options = {})
    {
        context.texts.loadLanguageText("CONFIRM_DELETE: delete?\nCONFIRM_HIDE: hide?\nREALLYQUIT: really?\n"
                                       "ERROR_CANTDELETELASTTAB: last tab\nID_TRAY_TOOLTIP: Tabulet - %s\n");
        QByteArray xml = "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n";
        for (const auto &[key, value] : options)
            xml += QByteArray("<option key=\"") + key + "\" val=\"" + value + "\"/>\n";
        xml += "</options>\n<notes>\n";
        int number = 1;
        for (const NoteLine &note : notes) {
            const QByteArray fileName = QStringLiteral("tab%1.rtf").arg(number, 5, 10, QLatin1Char('0')).toLatin1();
            xml += QByteArray("<note id=\"") + QByteArray::number(number - 1) + "\" title=\"" + note.title +
                   "\" filename=\"" + fileName + "\" visible=\"" + (note.visible ? "1" : "0") + "\"/>\n";
            writeFile(QString::fromLatin1(fileName), QByteArray("{\\rtf1\\ansi ") + note.text + "\\par}");
            ++number;
        }
        xml += "</notes>\n</config>\n";
        writeFile(QStringLiteral("tbu_config.xml"), xml);
        window = std::make_unique<MainWindow>(context);
        auto fake = std::make_unique<FakePrompts>(log);
        prompts = fake.get();
        window->setPrompts(std::move(fake));
        ASSERT_TRUE(window->initialise());
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(QDir(context.folders.dataFolder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(QDir(context.folders.dataFolder).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList tabTexts() const
    {
        QStringList texts;
        for (int i = 0; i < window->tabStrip().count(); ++i)
            texts << window->tabStrip().tabText(i);
        return texts;
    }

    // Opens the tab menu on a tab; the menu's choice runs while it is open.
    void fromTabMenu(int tab, const std::function<void()> &choice)
    {
        window->setTabMenu([&](const QPoint &) { choice(); });
        emit window->tabStrip().tabRightClicked(tab, QPoint());
    }

    QString shownText() const { return window->editor().toPlainText(); }

    void type(const QString &text)
    {
        window->editor().moveCursor(QTextCursor::End);
        window->editor().insertPlainText(text);
    }

    QTemporaryDir work;
    ApplicationContext context{foldersIn(work)};
    std::unique_ptr<MainWindow> window;
    FakePrompts::Log log;
    FakePrompts *prompts = nullptr;
};

TEST_F(MainWindowTest, opensOnTheNotesWithTheFirstShown)
{
    open({{"One", true, "first note"}, {"Hidden", false}, {"Two"}});
    EXPECT_EQ(tabTexts(), QStringList({"One", "Two"}));
    EXPECT_EQ(window->tabs().selectedTab(), 0);
    EXPECT_EQ(shownText(), QStringLiteral("first note"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(log.told.isEmpty());
}

TEST_F(MainWindowTest, selectedTabSevenOfThree_showsTabOne)
{
    open({{"A", true, "a"}, {"B", true, "b"}, {"C", true, "c"}}, {{"selectedtab", "7"}});
    EXPECT_EQ(window->tabs().selectedTab(), 1);
    EXPECT_EQ(shownText(), QStringLiteral("b"));
}

TEST_F(MainWindowTest, stepTab_wrapsRoundBothWays)
{
    open({{"A", true, "a"}, {"B", true, "b"}, {"C", true, "c"}});
    window->runCommand(CommandId::ChangeToPrevTab);
    EXPECT_EQ(window->tabs().selectedTab(), 2);
    window->runCommand(CommandId::ChangeToNextTab1);
    EXPECT_EQ(window->tabs().selectedTab(), 0);
    window->tabs().stepTab(-7);
    EXPECT_EQ(window->tabs().selectedTab(), 2);
    EXPECT_EQ(context.settings.value(QStringLiteral("selectedtab")), QStringLiteral("2"));
}

// Each note shows in its own font. The note left keeps its font, so that it comes back laid out
// as it was, not laid out again in another font and back.
TEST_F(MainWindowTest, notesInTheirOwnFonts_comeBackLaidOutInTheirFont)
{
    QByteArray longText;
    for (int paragraph = 0; paragraph < 2000; ++paragraph)
        longText += "paragraph " + QByteArray::number(paragraph) + "\\par ";
    open({{"Long", true, longText.constData()}, {"Large", true, "large"}});
    settings::Note *large = window->tabs().noteOfTab(1);
    ASSERT_NE(large, nullptr);
    large->hasFont = true;
    large->font.size = 24;
    const QTextDocument *note = window->editor().document();
    const QFont ownFont = note->defaultFont();
    const auto laidOut = [&] { return note->lastBlock().layout()->lineCount() > 0; };
    QTRY_VERIFY(laidOut());

    window->tabs().stepTab(1);
    EXPECT_NE(window->editor().document()->defaultFont(), ownFont);
    EXPECT_EQ(note->defaultFont(), ownFont) << "the note left keeps its font";
    window->tabs().stepTab(1);
    ASSERT_EQ(window->editor().document(), note);
    EXPECT_EQ(note->defaultFont(), ownFont);
    EXPECT_TRUE(laidOut()) << "not laid out again";
}

// Paste, drops and undo change the note as typing does: the change is written when the tab is left.
TEST_F(MainWindowTest, pastedText_isSavedWhenTheTabIsLeft)
{
    open({{"A", true, "kept"}, {"B"}});
    QApplication::clipboard()->setText(QStringLiteral(" pasted"));
    window->editor().moveCursor(QTextCursor::End);
    window->runCommand(CommandId::Paste);
    window->runCommand(CommandId::ChangeToNextTab);
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains("kept pasted"));
    window->runCommand(CommandId::ChangeToPrevTab);
    EXPECT_EQ(shownText(), QStringLiteral("kept pasted"));
}

TEST_F(MainWindowTest, typedText_isSavedWhenTheWindowLosesTheFocus)
{
    open({{"A", true, "a"}});
    type(QStringLiteral(" typed"));
    ASSERT_FALSE(window->isActiveWindow());
    QEvent deactivated(QEvent::ActivationChange);
    QApplication::sendEvent(window.get(), &deactivated);
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains("a typed"));
}

TEST_F(MainWindowTest, unchangedNote_isNotWritten)
{
    open({{"A", true, "as it was"}, {"B"}});
    const QByteArray before = readFile(QStringLiteral("tab00001.rtf"));
    window->editor().moveCursor(QTextCursor::End);
    window->runCommand(CommandId::ChangeToNextTab);
    EXPECT_EQ(readFile(QStringLiteral("tab00001.rtf")), before);
}

// A note that could not be written must not be taken for saved.
TEST_F(MainWindowTest, failedSave_keepsTheNoteMarkedChanged)
{
    open({{"A", true, "a"}, {"B"}});
    type(QStringLiteral(" more"));
    QFile::remove(QDir(context.folders.dataFolder).filePath(QStringLiteral("tab00001.rtf")));
    QDir(context.folders.dataFolder).mkdir(QStringLiteral("tab00001.rtf"));
    EXPECT_FALSE(window->tabs().saveTab());
    EXPECT_TRUE(window->tabs().selectedNote()->modified);
}

// A note file that is there but cannot be read (here: beyond the size the editor reads) is
// shown empty and read-only, the user is told, and nothing typed or formatted replaces it.
TEST_F(MainWindowTest, unreadableNoteFile_isToldAndNeverWrittenOver)
{
    context.texts.loadLanguageText("ERROR_NOTEFILEUNREADABLE: unreadable %s\n");
    open({{"A", true, "a"}, {"B", true, "b"}});
    const QString path = QDir(context.folders.dataFolder).filePath(QStringLiteral("tab00002.rtf"));
    {
        QFile huge(path);
        ASSERT_TRUE(huge.resize(NoteEditor::kMaxNoteFileSize + 1)) << "a sparse file takes no room";
    }
    window->runCommand(CommandId::ChangeToNextTab);
    ASSERT_EQ(log.told.size(), 1);
    EXPECT_TRUE(log.told.front().startsWith(QStringLiteral("unreadable ")));
    EXPECT_TRUE(log.told.front().endsWith(QStringLiteral("tab00002.rtf")));
    EXPECT_TRUE(window->editor().isReadOnly());
    EXPECT_TRUE(shownText().isEmpty());

    window->runCommand(CommandId::MakeSelectionBold);
    window->tabs().markModified();
    window->runCommand(CommandId::ChangeToPrevTab);
    EXPECT_EQ(QFileInfo(path).size(), NoteEditor::kMaxNoteFileSize + 1);
    EXPECT_FALSE(window->editor().isReadOnly()) << "the readable note can be edited again";
    EXPECT_EQ(shownText(), QStringLiteral("a"));
}

// What a note's journal kept beyond its file comes back when the note is shown, is told once and
// goes with the save; a note whose file cannot be read keeps its journal, maybe the only copy.
TEST_F(MainWindowTest, journaledTyping_comesBackWhenTheNoteIsShownAndGoesWithTheSave)
{
    context.texts.loadLanguageText("NOTE_RECOVERED: recovered %s\nERROR_NOTEFILEUNREADABLE: unreadable %s\n");
    open({{"A", true, "a"}, {"B", true, "b"}, {"C", true, "c"}});
    const QDir data(context.folders.dataFolder);
    {
        QFile huge(data.filePath(QStringLiteral("tab00003.rtf")));
        ASSERT_TRUE(huge.resize(NoteEditor::kMaxNoteFileSize + 1));
    }
    for (const QString &name : {QStringLiteral("tab00002.rtf"), QStringLiteral("tab00003.rtf")}) {
        settings::JournalWriter writer;
        writer.open(settings::journalFilePath(data.path(), name), settings::NoteFileIdentity::of(data.filePath(name)),
                    {});
        ASSERT_TRUE(writer.record({1, 0, QStringLiteral(" typed")}, [] { return QByteArray(); }));
    }
    const QByteArray keptForC = readFile(QStringLiteral("journal/tab00003.rtf.journal"));

    window->runCommand(CommandId::ChangeToNextTab);
    EXPECT_EQ(shownText(), QStringLiteral("b typed"));
    EXPECT_TRUE(window->tabs().selectedNote()->modified);
    QCoreApplication::processEvents();
    EXPECT_EQ(log.told, QStringList({"recovered B"}));

    window->runCommand(CommandId::ChangeToNextTab);
    EXPECT_TRUE(readFile(QStringLiteral("tab00002.rtf")).contains("b typed"));
    EXPECT_FALSE(QFileInfo::exists(settings::journalFilePath(data.path(), QStringLiteral("tab00002.rtf"))));
    QCoreApplication::processEvents();
    EXPECT_EQ(log.told.size(), 2);
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("journal/tab00003.rtf.journal")), keptForC);
    EXPECT_FALSE(keptForC.isEmpty());
}

TEST_F(MainWindowTest, newTab_createsTheNoteFileAndSavesTheNoteLeft)
{
    open({{"First", true, "typed"}});
    type(QStringLiteral(" more"));
    prompts->names = {QStringLiteral("Second")};
    window->runCommand(CommandId::NewTab);
    EXPECT_EQ(tabTexts(), QStringList({"First", "Second"}));
    EXPECT_EQ(window->tabs().selectedTab(), 1);
    EXPECT_EQ(readFile(QStringLiteral("tab00002.rtf")),
              QByteArray(settings::kNewNoteContent.data(), qsizetype(settings::kNewNoteContent.size())));
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains("typed more"));
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tabulet - Second"));
}

TEST_F(MainWindowTest, cancelledNewTab_addsNothing)
{
    open({{"First"}});
    window->runCommand(CommandId::NewTab);
    EXPECT_EQ(tabTexts(), QStringList({"First"}));
    EXPECT_EQ(context.notes.size(), 1);
    EXPECT_TRUE(window->acceptsIncoming());
}

struct RemovalCase
{
    const char *name;
    CommandId command;
    int selected;
    int removed;
    QStringList tabsAfter;
    int selectedAfter;
    const char *shownAfter;
};

class MainWindowRemovalTest : public MainWindowTest, public ::testing::WithParamInterface<RemovalCase>
{
};

TEST_P(MainWindowRemovalTest, removeTab)
{
    const RemovalCase &removal = GetParam();
    open({{"A", true, "a"}, {"B", true, "b"}, {"C", true, "c"}});
    window->tabs().selectTab(removal.selected, true);
    fromTabMenu(removal.removed, [&] { window->runCommand(removal.command); });
    EXPECT_EQ(tabTexts(), removal.tabsAfter);
    EXPECT_EQ(window->tabs().selectedTab(), removal.selectedAfter);
    EXPECT_EQ(window->tabStrip().currentIndex(), removal.selectedAfter);
    EXPECT_EQ(shownText(), QString::fromLatin1(removal.shownAfter));
    EXPECT_EQ(context.settings.value(QStringLiteral("selectedtab")), QString::number(removal.selectedAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Flows, MainWindowRemovalTest,
    ::testing::Values(
        RemovalCase{"deleteSelectedSecond_selectsFirst", CommandId::DeleteDocument, 1, 1, {"A", "C"}, 0, "a"},
        RemovalCase{"deleteSelectedFirst_selectsFormerSecond", CommandId::DeleteDocument, 0, 0, {"B", "C"}, 0, "b"},
        RemovalCase{"hideSelectedThird_selectsSecond", CommandId::HideDocument, 2, 2, {"A", "B"}, 1, "b"},
        RemovalCase{"hideBeforeSelected_keepsItsNote", CommandId::HideDocument, 2, 0, {"B", "C"}, 1, "c"},
        RemovalCase{"deleteAfterSelected_keepsItsNote", CommandId::DeleteDocument, 0, 2, {"A", "B"}, 0, "a"}),
    [](const ::testing::TestParamInfo<RemovalCase> &caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(MainWindowTest, delete_removesTheFileAndTheNote_hideKeepsThem)
{
    open({{"A"}, {"B"}, {"C"}});
    window->tabs().selectTab(1, true);
    window->runCommand(CommandId::DeleteDocument);
    EXPECT_FALSE(QFile::exists(QDir(context.folders.dataFolder).filePath(QStringLiteral("tab00002.rtf"))));
    EXPECT_EQ(context.notes.size(), 2);
    window->runCommand(CommandId::HideDocument);
    EXPECT_TRUE(QFile::exists(QDir(context.folders.dataFolder).filePath(QStringLiteral("tab00001.rtf"))));
    EXPECT_EQ(context.notes.size(), 2);
    EXPECT_FALSE(context.notes[0].visible);
    EXPECT_EQ(log.asked, QStringList({"delete?", "hide?"}));
}

// When the tabs shift under the selected note, it stays shown and its changes are kept.
TEST_F(MainWindowTest, removingATabBeforeTheSelected_savesTheSelectedNoteFirst)
{
    open({{"A", true, "a"}, {"B", true, "b"}, {"C", true, "c"}});
    window->tabs().selectTab(2, true);
    type(QStringLiteral(" changed"));
    fromTabMenu(0, [&] { window->runCommand(CommandId::DeleteDocument); });
    EXPECT_EQ(shownText(), QStringLiteral("c changed"));
    EXPECT_TRUE(readFile(QStringLiteral("tab00003.rtf")).contains("c changed"));
}

// Hiding keeps the note, so what was typed into it is kept too.
TEST_F(MainWindowTest, hidingTheSelectedNote_keepsItsChanges)
{
    open({{"A", true, "a"}, {"B", true, "b"}});
    type(QStringLiteral(" typed"));
    window->runCommand(CommandId::HideDocument);
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains("a typed"));
}

TEST_F(MainWindowTest, theOnlyVisibleTab_canBeNeitherHiddenNorDeleted)
{
    open({{"Hidden", false}, {"Shown", true, "s"}});
    window->runCommand(CommandId::HideDocument);
    window->runCommand(CommandId::DeleteDocument);
    EXPECT_EQ(tabTexts(), QStringList({"Shown"}));
    EXPECT_EQ(log.told, QStringList({"last tab", "last tab"}));
    EXPECT_TRUE(log.asked.isEmpty());
}

TEST_F(MainWindowTest, cancelledDelete_keepsTheTab)
{
    open({{"A"}, {"B"}});
    prompts->answers = {false};
    window->runCommand(CommandId::DeleteDocument);
    EXPECT_EQ(tabTexts(), QStringList({"A", "B"}));
}

// The question before a delete names the note, and Enter answers it with No.
TEST_F(MainWindowTest, deleteQuestion_namesTheNote_andEnterKeepsIt)
{
    open({{"A"}, {"Shopping list"}});
    context.texts.loadLanguageText("CONFIRM_DELETE: Delete the note \"%s\"?\n");
    window->tabs().selectTab(1, true);
    window->setPrompts(std::make_unique<MessageBoxPrompts>(window.get(), context.texts));
    QString question;
    QMessageBox::StandardButton enterGives = QMessageBox::NoButton;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, window.get(), [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            question = box->text();
            enterGives = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    answer.start(20);
    window->runCommand(CommandId::DeleteDocument);
    answer.stop();
    EXPECT_EQ(question, QStringLiteral("Delete the note \"Shopping list\"?"));
    EXPECT_EQ(enterGives, QMessageBox::No);
    EXPECT_EQ(tabTexts(), QStringList({"A", "Shopping list"}));
    EXPECT_TRUE(QFile::exists(QDir(context.folders.dataFolder).filePath(QStringLiteral("tab00002.rtf"))));
}

// The tab menu's tab is forgotten when the menu closes: a later shortcut acts on the selected tab.
TEST_F(MainWindowTest, tabMenu_forgetsItsTabWhenItCloses)
{
    open({{"A", true, "a"}, {"B", true, "b"}, {"C", true, "c"}});
    window->tabs().selectTab(2, true);
    fromTabMenu(0, [&] { EXPECT_EQ(window->tabs().targetTab(), 0); });
    EXPECT_EQ(window->tabs().contextTab(), -1);
    window->runCommand(CommandId::DeleteDocument);
    EXPECT_EQ(tabTexts(), QStringList({"A", "B"}));
}

TEST_F(MainWindowTest, sendFromTheTabMenu_offersTheClickedNote)
{
    open({{"A", true, "a"}, {"B", true, "b"}, {"C", true, "c"}});
    window->tabs().selectTab(2, true);
    QString offeredTitle;
    fromTabMenu(0, [&] {
        QTimer::singleShot(0, window.get(), [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            offeredTitle = dialog->findChild<QLineEdit *>(QStringLiteral("title"))->text();
            dialog->reject();
        });
        window->runMenuItem(kSendNoteItem);
    });
    EXPECT_EQ(offeredTitle, QStringLiteral("A"));
    EXPECT_EQ(window->tabs().selectedTab(), 2);
}

// A plug-in called on a note hears the save events when the note is left, though nobody typed.
TEST_F(MainWindowTest, aNoteAPluginWasCalledOn_raisesTheSaveEventsWhenLeft)
{
    open({{"A", true, "a"}, {"B", true, "b"}});
    const QString scripts = work.filePath(QStringLiteral("scripts"));
    QDir().mkpath(scripts);
    QFile script(scripts + QStringLiteral("/watch.lua"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("function versionInfo() tb:setPluginInfo('Watch', '1', '', '', '', '2.1.0') end\n"
                 "saves = ''\n"
                 "function initPlugin() tb:registerMenuEntry('Look', 'look') tb:registerPreSave('preSave') "
                 "tb:registerPostSave('postSave') end\n"
                 "function look() end\n"
                 "function preSave() saves = saves .. 'pre ' end\n"
                 "function postSave() saves = saves .. 'post ' end\n");
    script.close();
    context.plugins.loadPlugins({scripts}, scripts);
    lua_State *lua = context.plugins.table().find(scripts + QStringLiteral("/watch.lua"))->state->lua();
    const auto saves = [lua] {
        lua_getglobal(lua, "saves");
        const QString seen = QString::fromUtf8(lua_tostring(lua, -1)).trimmed();
        lua_pop(lua, 1);
        return seen;
    };

    // Starting the script called it on note A.
    window->tabs().selectTab(1, true);
    EXPECT_EQ(saves(), QStringLiteral("pre post"));
    lua_pushstring(lua, "");
    lua_setglobal(lua, "saves");
    window->tabs().selectTab(0, true);
    EXPECT_EQ(saves(), QString()) << "nothing was called on note B";
    ASSERT_TRUE(context.plugins.runPluginCommandByName(QStringLiteral("Plugin: Look")));
    window->tabs().selectTab(1, true);
    EXPECT_EQ(saves(), QStringLiteral("pre post"));
    context.plugins.unloadPlugins();
}

// Activating a hidden note in the document list shows it again, selected.
TEST_F(MainWindowTest, documentList_activatingAHiddenNote_showsAndSelectsIt)
{
    open({{"A", true, "a"}, {"Hidden", false, "secret"}, {"B", true, "b"}});
    QTimer::singleShot(0, window.get(), [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto *notes = dialog->findChild<QTreeWidget *>(QStringLiteral("notes"));
        notes->setCurrentItem(notes->topLevelItem(1));
        dialog->findChild<QPushButton *>(QStringLiteral("activate"))->click();
    });
    window->runCommand(CommandId::ViewDocumentList);
    EXPECT_EQ(tabTexts(), QStringList({"A", "Hidden", "B"}));
    EXPECT_EQ(window->tabs().selectedTab(), 1);
    EXPECT_EQ(shownText(), QStringLiteral("secret"));
}

TEST_F(MainWindowTest, rename_offersTheTabTextAndAcceptsAnEmptyName)
{
    open({{"Old"}, {"Other"}});
    prompts->names = {QString()};
    fromTabMenu(0, [&] { window->renameTab(); });
    EXPECT_EQ(log.namesOffered, QStringList({"Old"}));
    EXPECT_EQ(tabTexts(), QStringList({"", "Other"}));
    EXPECT_TRUE(context.notes[0].title.isEmpty());
}

TEST_F(MainWindowTest, unreadableTheme_fallsBackToTheDefaultTheme)
{
    QDir().mkpath(context.folders.themesFolder);
    QFile broken(QDir(context.folders.themesFolder).filePath(QStringLiteral("broken.tabutheme")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a zip archive");
    broken.close();
    open({{"A"}}, {{"theme", "broken"}, {"subtheme", "nothing"}});
    EXPECT_FALSE(log.told.isEmpty());
    EXPECT_EQ(window->theme().name(), QStringLiteral("default"));
    EXPECT_EQ(context.settings.value(QStringLiteral("theme")), QStringLiteral("default"));
    EXPECT_EQ(window->theme().currentTitle(), window->theme().listSubthemes().value(0));
}

TEST_F(MainWindowTest, largerSubtheme_growsTheWindowOntoTheScreen)
{
    // The compact subtheme allows 220 × 100; the full one needs 300 × 150.
    open({{"A"}}, {{"subtheme", "compact"}});
    const QRect desktop = window->screen()->availableGeometry();
    const QRect corner(desktop.right() - 229, desktop.bottom() - 109, 230, 110);
    window->setGeometry(corner);
    ASSERT_EQ(window->geometry(), corner);

    window->selectSubthemeFromMenu(QStringLiteral("full"));
    EXPECT_EQ(window->minimumSize(), QSize(300, 150));
    EXPECT_EQ(window->geometry().size(), QSize(300, 150));
    EXPECT_EQ(window->geometry().bottomRight(), desktop.bottomRight());

    // Back to the smaller one: the window keeps its size and place, and may be made smaller.
    window->selectSubthemeFromMenu(QStringLiteral("compact"));
    EXPECT_EQ(window->minimumSize(), QSize(220, 100));
    EXPECT_EQ(window->geometry().size(), QSize(300, 150));
    EXPECT_EQ(window->geometry().bottomRight(), desktop.bottomRight());
}

TEST_F(MainWindowTest, firstStart_opensInTheMiddleOfThePrimaryScreen_aKeptPlaceStays)
{
    window = std::make_unique<MainWindow>(context);
    window->setPrompts(std::make_unique<FakePrompts>(log));
    ASSERT_TRUE(window->initialise());
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window->geometry().center(), desktop.center()) << "no configuration: nothing kept";
    window.reset();

    open({{"A"}}, {{"x", "0"}, {"y", "0"}, {"w", "450"}, {"h", "200"}});
    EXPECT_EQ(window->geometry(), QRect(desktop.topLeft(), QSize(450, 200)));
}

TEST_F(MainWindowTest, boldCommand_togglesAndShowsOnTheButton)
{
    open({{"A", true, "some words"}});
    window->editor().selectAll();
    window->runCommand(CommandId::MakeSelectionBold);
    const SkinnedButton *bold = window->skin().button(QStringLiteral("makeSelectionBold"));
    ASSERT_NE(bold, nullptr);
    EXPECT_TRUE(bold->isSelected());
    EXPECT_TRUE(window->tabs().selectedNote()->modified);
    window->runCommand(CommandId::MakeSelectionBold);
    EXPECT_FALSE(bold->isSelected());
}

TEST_F(MainWindowTest, wordWrap_flipsAndIsWritten)
{
    open({{"A"}}, {{"wordwrap", "1"}});
    EXPECT_EQ(window->editor().lineWrapMode(), QTextEdit::WidgetWidth);
    window->runCommand(CommandId::ToggleWordWrap);
    EXPECT_EQ(window->editor().lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_TRUE(readFile(QStringLiteral("tbu_config.xml")).contains("<option key=\"wordwrap\" val=\"0\"/>"));
}

TEST_F(MainWindowTest, exit_asksUnlessConfirmExitIsOff)
{
    open({{"A"}});
    QSignalSpy closed(window.get(), &MainWindow::closed);
    prompts->answers = {false};
    window->runCommand(CommandId::Exit);
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(log.asked, QStringList({"really?"}));
    context.settings.value(QStringLiteral("confirmexit")) = QStringLiteral("0");
    window->runCommand(CommandId::Exit);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(log.asked.size(), 1);
}

TEST_F(MainWindowTest, closing_writesTheNoteAndThePlaceAndSize)
{
    open({{"A", true, "a"}}, {{"x", "40"}, {"y", "30"}, {"w", "500"}, {"h", "260"}});
    type(QStringLiteral(" last words"));
    window->closeWithoutAsking();
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains("a last words"));
    const QByteArray configuration = readFile(QStringLiteral("tbu_config.xml"));
    EXPECT_TRUE(configuration.contains("<option key=\"w\" val=\"500\"/>"));
    EXPECT_TRUE(configuration.contains("<option key=\"x\" val=\"40\"/>"));
}

TEST_F(MainWindowTest, typing_isSavedWhenItPauses_anUnwritableFileIsToldOnceAndSavedWhenWritableAgain)
{
    using namespace std::chrono_literals;
    context.texts.loadLanguageText("ERROR_NOTENOTSAVED: not saved to %s\n");
    open({{"A", true, "a"}});
    window->idleSaver().setDelays(30ms, 30ms);
    const QString note = QStringLiteral("tab00001.rtf");
    type(QStringLiteral(" typed"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return readFile(note).contains("a typed"); }, 2000));
    EXPECT_FALSE(window->tabs().selectedNote()->modified);

    // A folder in the file's place cannot be written over, not even by root.
    const QString path = QDir(context.folders.dataFolder).filePath(note);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    type(QStringLiteral(" more"));
    QTest::qWait(200);
    EXPECT_EQ(log.told.filter(QStringLiteral("not saved to")).size(), 1);
    EXPECT_TRUE(window->tabs().selectedNote()->modified);

    ASSERT_TRUE(QDir().rmdir(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return readFile(note).contains("a typed more"); }, 2000));
    EXPECT_FALSE(window->tabs().selectedNote()->modified);
}

TEST_F(MainWindowTest, closingWithoutAsking_endsADialogThatIsOpen)
{
    open({{"A", true, "a"}});
    QMessageBox question(QMessageBox::Question, QString(), QStringLiteral("really?"), QMessageBox::Yes | QMessageBox::No);
    QTimer::singleShot(0, window.get(), [this] { window->closeWithoutAsking(); });
    question.exec();
    EXPECT_FALSE(question.isVisible());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, alwaysOnTop_togglesTheWindowAndItsButton)
{
    open({{"A"}});
    window->runCommand(CommandId::WindowOnTop);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    const SkinnedButton *onTop = window->skin().button(QStringLiteral("windowOnTop"));
    ASSERT_NE(onTop, nullptr);
    EXPECT_TRUE(onTop->isSelected());
    window->runCommand(CommandId::WindowOnTop);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(onTop->isSelected());
}

TEST_F(MainWindowTest, escape_neverClosesTheWindow)
{
    open({{"A"}});
    QSignalSpy closed(window.get(), &MainWindow::closed);
    QTest::keyClick(&window->editor(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, minimise_hidesAndSaves)
{
    open({{"A", true, "a"}});
    type(QStringLiteral("b"));
    window->runCommand(CommandId::Minimize);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isHiddenToTray());
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains("ab"));
    window->showAndActivate();
    EXPECT_FALSE(window->isHiddenToTray());
}

TEST_F(MainWindowTest, emptyNoteList_isReportedAndRepaired)
{
    open({});
    EXPECT_EQ(tabTexts(), QStringList({"tab1"}));
    EXPECT_EQ(log.told.size(), 1);
}

// A folder in a file's place cannot be written over, not even by root.
void blockFile(const QString &path)
{
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
}

// A note whose file cannot be written is never left: neither another tab, hiding it nor the
// document list takes its place in the editor, exit asks, and once the file can be written the
// switch goes through with nothing lost.
TEST_F(MainWindowTest, aNoteThatCannotBeSaved_staysShownUntilItIs)
{
    context.texts.loadLanguageText("ERROR_NOTEKEPTOPEN: kept %s\nQUIT_UNSAVED: lose %s?\n");
    open({{"A", true, "a"}, {"B", true, "b"}}, {{"confirmexit", "0"}});
    const QString path = QDir(context.folders.dataFolder).filePath(QStringLiteral("tab00001.rtf"));
    type(QStringLiteral(" typed"));
    blockFile(path);
    const QString kept = QStringLiteral("kept ") + QDir::toNativeSeparators(path);

    window->runCommand(CommandId::ChangeToNextTab);
    window->tabStrip().setCurrentIndex(1);
    window->runCommand(CommandId::HideDocument);
    window->runCommand(CommandId::ViewDocumentList);
    EXPECT_EQ(log.told, QStringList({kept, kept, kept, kept}));
    EXPECT_EQ(window->tabs().selectedTab(), 0);
    EXPECT_EQ(window->tabStrip().currentIndex(), 0);
    EXPECT_EQ(tabTexts(), QStringList({"A", "B"}));
    EXPECT_EQ(shownText(), QStringLiteral("a typed"));

    QSignalSpy closed(window.get(), &MainWindow::closed);
    prompts->answers = {false};
    window->runCommand(CommandId::Exit);
    EXPECT_EQ(log.asked,
              QStringList({QStringLiteral("hide?"), QStringLiteral("lose ") + QDir::toNativeSeparators(path) + u'?'}));
    EXPECT_EQ(closed.count(), 0);

    ASSERT_TRUE(QDir().rmdir(path));
    window->runCommand(CommandId::ChangeToNextTab);
    EXPECT_EQ(window->tabs().selectedTab(), 1);
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains("a typed"));
    window->runCommand(CommandId::Exit);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(log.asked.size(), 2);
}

// The configuration that cannot be written is told once until it is written again.
TEST_F(MainWindowTest, aConfigurationThatCannotBeSaved_isToldOncePerFailure)
{
    context.texts.loadLanguageText("ERROR_CONFIGNOTSAVED: settings %s\n");
    open({{"A", true, "a"}});
    const QString configuration = QDir(context.folders.dataFolder).filePath(QStringLiteral("tbu_config.xml"));
    const QString told = QStringLiteral("settings ") + QDir::toNativeSeparators(configuration);
    blockFile(configuration);
    window->runCommand(CommandId::ToggleWordWrap);
    window->runCommand(CommandId::ToggleWordWrap);
    QCoreApplication::processEvents();
    EXPECT_EQ(log.told, QStringList({told}));
    ASSERT_TRUE(QDir().rmdir(configuration));
    window->runCommand(CommandId::ToggleWordWrap);
    EXPECT_TRUE(readFile(QStringLiteral("tbu_config.xml")).contains("<option key=\"wordwrap\""));
    blockFile(configuration);
    window->runCommand(CommandId::ToggleWordWrap);
    QCoreApplication::processEvents();
    EXPECT_EQ(log.told, QStringList({told, told}));
}

// A plug-in's file callback that opens a new note runs it once the read or write is over: the note
// being written keeps its own text, and the new note comes after it.
struct CallbackCase
{
    const char *event;
    bool whileSwitching; // else at start, when the first note is read
};

class MainWindowPluginTest : public MainWindowTest, public ::testing::WithParamInterface<CallbackCase>
{
};

TEST_P(MainWindowPluginTest, aFileCallbackThatOpensANote_waitsUntilTheNoteIsDone)
{
    const CallbackCase &callback = GetParam();
    context.folders.pluginsFolder = work.filePath(QStringLiteral("plugins"));
    QDir().mkpath(context.folders.pluginsFolder);
    QFile script(context.folders.pluginsFolder + QStringLiteral("/opener.lua"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QByteArray("function versionInfo() tb:setPluginInfo('Opener', '1', '', '', '', '2.1.0') end\n"
                            "function initPlugin() tb.") +
                 callback.event +
                 "('opener') end\n"
                 "opened = false\n"
                 "function opener() if not opened then opened = true tb.callMenuCommand('newTab') end end\n");
    script.close();
    open({{"A", true, "a"}, {"B", true, "b"}});
    prompts->names = {QStringLiteral("New")};
    if (callback.whileSwitching) {
        type(QStringLiteral(" typed"));
        window->runCommand(CommandId::ChangeToNextTab);
        EXPECT_EQ(shownText(), QStringLiteral("b"));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return tabTexts().size() == 3; }, 2000));
    EXPECT_EQ(tabTexts(), QStringList({"A", "B", "New"}));
    EXPECT_EQ(window->tabs().selectedTab(), 2);
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_TRUE(readFile(QStringLiteral("tab00001.rtf")).contains(callback.whileSwitching ? "a typed" : "a"));
    EXPECT_TRUE(readFile(QStringLiteral("tab00002.rtf")).contains("b"));
}

INSTANTIATE_TEST_SUITE_P(Events, MainWindowPluginTest,
                         ::testing::Values(CallbackCase{"registerPreSave", true},
                                           CallbackCase{"registerPostSave", true},
                                           CallbackCase{"registerPreLoad", false},
                                           CallbackCase{"registerPostLoad", false}));

// The window's two clocks: the plug-ins' timer event comes while the window is open and stops
// with it; the archive schedule is looked at again without a restart, so an archive falls due
// while the program runs.
TEST_F(MainWindowTest, theWindowsTimers_raisePluginTicksAndArchiveWhenDue)
{
    using namespace std::chrono_literals;
    context.folders.pluginsFolder = work.filePath(QStringLiteral("plugins"));
    QDir().mkpath(context.folders.pluginsFolder);
    QFile script(context.folders.pluginsFolder + QStringLiteral("/ticker.lua"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("function versionInfo() tb:setPluginInfo('Ticker', '1', '', '', '', '2.1.0') end\n"
                 "ticks = 0\n"
                 "function initPlugin() tb.registerTimer('tick') end\n"
                 "function tick() ticks = ticks + 1 end\n");
    script.close();
    open({{"A", true, "a"}}, {{"silentautoarchive", "1"}});
    window->setTimerPeriods(50ms, 20ms);
    const QString archives = context.archiver.archiveFolder();
    const qsizetype archivedAtStart = archive::archiveNames(archives).size();
    const auto ticks = [&] {
        lua_State *lua =
            context.plugins.table().find(context.folders.pluginsFolder + QStringLiteral("/ticker.lua"))->state->lua();
        lua_getglobal(lua, "ticks");
        const int count = static_cast<int>(lua_tointeger(lua, -1));
        lua_pop(lua, 1);
        return count;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks() >= 3; }, 2000));

    // A day later, as far as the schedule knows: the next check makes the next archive.
    context.settings.value(QStringLiteral("lastarchiving")) = QStringLiteral("20000101_000000");
    EXPECT_TRUE(QTest::qWaitFor([&] { return archive::archiveNames(archives).size() == archivedAtStart + 1; }, 3000));

    window->closeWithoutAsking();
    const int closedAt = ticks();
    QTest::qWait(100);
    EXPECT_EQ(ticks(), closedAt);
}

} // namespace
} // namespace tabulet::ui
