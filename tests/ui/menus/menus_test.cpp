#include "ui/menus/menus.h"

#include "fakekeynames.h"
#include "fakeprompts.h"
#include "theme/theme.h"
#include "ui/applicationcontext.h"
#include "ui/editor/formattoggles.h"
#include "ui/editor/noteeditor.h"
#include "ui/menus/menuitemaccessible.h"
#include "ui/menus/menuitems.h"
#include "ui/menus/menustyle.h"
#include "ui/window/mainwindow.h"
#include "ui/window/tabstrip.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <tuple>

namespace tabulet::ui {
namespace {

using commands::CommandId;

// A note window as far as the menus see it; records where the choices went.
class FakeHost final : public MenuHost
{
public:
    bool isOnTop() const override { return onTop; }
    const QTextEdit &noteEditor() const override { return editor; }
    const theme::Theme &currentTheme() const override { return theme; }
    void runMenuItem(int id) override { log.append(QStringLiteral("item %1").arg(id)); }
    void loadThemeFromMenu(const QString &name) override { log.append(QStringLiteral("theme ") + name); }
    void selectSubthemeFromMenu(const QString &title) override { log.append(QStringLiteral("subtheme ") + title); }

    bool onTop = false;
    QTextEdit editor;
    theme::Theme theme;
    QStringList log;
};

// One line per entry: the id of an item ("-" for a separator, ">" and the title for a submenu,
// followed by its entries, each with a "." more in front).
QStringList outline(const QMenu &menu, const QString &indent = {})
{
    QStringList lines;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator()) {
            lines.append(indent + QLatin1Char('-'));
        } else if (const QMenu *submenu = action->menu()) {
            lines.append(indent + QLatin1Char('>') + submenu->title());
            lines += outline(*submenu, indent + QLatin1Char('.'));
        } else {
            lines.append(indent + QString::number(action->data().toInt()));
        }
    }
    return lines;
}

const QAction *findItem(const QMenu &menu, int id)
{
    for (const QAction *action : menu.actions()) {
        if (const QMenu *submenu = action->menu()) {
            if (const QAction *found = findItem(*submenu, id))
                return found;
        } else if (!action->isSeparator() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

const QMenu *submenuTitled(const QMenu &menu, const QString &title)
{
    for (const QAction *action : menu.actions()) {
        if (action->menu() && action->menu()->title() == title)
            return action->menu();
    }
    return nullptr;
}

class MenusTest : public ::testing::Test
{
protected:
    MenusTest()
    {
        folders.dataFolder = work.filePath(QStringLiteral("data"));
        // The shipped themes are built beside the program.
        folders.programFolder = QStringLiteral(TABULET_BINARY_DIR);
        folders.themesFolder = work.filePath(QStringLiteral("themes"));
        folders.pluginsFolder = work.filePath(QStringLiteral("plugins"));
        QDir().mkpath(folders.dataFolder);
        context = std::make_unique<ApplicationContext>(folders);
        context->texts.loadLanguageText("ID_NEWTAB: Neuer Tab\nID__RENAMETAB: Umbenennen\nTOOL_BOLD: Fett\n"
                                        "OPTIONPLUGINS: Erweiterungen\nTHEMES: Themen\nCHARACTER: Zeichen\n"
                                        "PARAGRAPH: Absatz\nALIGN: Ausrichtung\nSORT: Sortieren\n"
                                        "GETMOREPLUGINS: Mehr Erweiterungen\nGETMORETHEMES: Mehr Themen\n"
                                        "PLUGINS_NONE: Keine Erweiterungen installiert\n");
        menus = std::make_unique<NoteMenus>(*context, host, std::make_unique<FakeKeyNames>());
    }

    void loadShippedTheme(const QString &name)
    {
        ASSERT_TRUE(host.theme.loadTheme(name, folders, context->settings, context->commands).ok);
    }

    // Selects characters [from, to) of the editor.
    void select(int from, int to)
    {
        QTextCursor cursor(host.editor.document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        host.editor.setTextCursor(cursor);
    }

    QTemporaryDir work;
    settings::FolderSet folders;
    std::unique_ptr<ApplicationContext> context;
    FakeHost host;
    std::unique_ptr<NoteMenus> menus;
};

TEST_F(MenusTest, tabMenu_holdsItsItemsInOrder)
{
    const auto menu = menus->buildMenu(MenuKind::Tab);
    EXPECT_EQ(outline(*menu).join(QLatin1Char(' ')), QStringLiteral("133 137 - 32782 135 - 32807 32780"));
}

TEST_F(MenusTest, windowAndTrayMenus_holdTheirItemsInOrder)
{
    EXPECT_EQ(outline(*menus->buildMenu(MenuKind::Window)).join(QLatin1Char(' ')),
              QStringLiteral("133 - 170 - 1010 1008 - 1015 1009"));
    EXPECT_EQ(outline(*menus->trayMenu()).join(QLatin1Char(' ')),
              QStringLiteral("170 - 167 32806 1010 1008 32812 172 - 1015 1009"));
}

TEST_F(MenusTest, mainMenu_holdsItsItemsWithPluginsAndThemesAtPositionsFourAndFive)
{
    const auto menu = menus->buildMenu(MenuKind::Main);
    const QList<QAction *> actions = menu->actions();
    ASSERT_EQ(actions.size(), 19);
    EXPECT_EQ(actions[4]->menu()->title(), QStringLiteral("Erweiterungen"));
    EXPECT_EQ(actions[5]->menu()->title(), QStringLiteral("Themen"));
    QStringList topLevel;
    for (const QAction *action : actions)
        topLevel.append(action->isSeparator() ? QStringLiteral("-")
                        : action->menu()      ? QStringLiteral(">")
                                              : QString::number(action->data().toInt()));
    EXPECT_EQ(topLevel.join(QLatin1Char(' ')),
              QStringLiteral("167 1010 173 - > > - 200 201 - 32784 32771 170 - 1008 32812 172 - 1009"));
}

TEST_F(MenusTest, editorMenu_holdsItsItemsAndNestedSubmenus)
{
    const auto menu = menus->buildMenu(MenuKind::Editor);
    const QStringList lines = outline(*menu);
    const QString expected = QStringLiteral("155 156 157 158 - 32797 - 200 201 - "
                                            ">Zeichen .146 .147 .148 .149 .150 .151 .180 .32788 .32794 .32792 .32793 "
                                            ">Absatz .152 .154 .>Ausrichtung ..175 ..176 ..177 .171 "
                                            "160 - >Sortieren .32773 .32774 170 - 161 32784 32771 -");
    EXPECT_TRUE(lines.join(QLatin1Char(' ')).startsWith(expected)) << lines.join(QLatin1Char(' ')).toStdString();
    // Plug-ins and themes stand at positions 21 and 22, then the window's own items.
    EXPECT_EQ(menu->actions()[21]->menu()->title(), QStringLiteral("Erweiterungen"));
    EXPECT_EQ(menu->actions()[22]->menu()->title(), QStringLiteral("Themen"));
    EXPECT_EQ(lines.mid(lines.size() - 5).join(QLatin1Char(' ')), QStringLiteral("- 162 164 - 163"));
}

TEST_F(MenusTest, items_showTheTranslatedLabelAndTheShortcutInItsOwnColumn)
{
    const auto menu = menus->buildMenu(MenuKind::Tab);
    EXPECT_EQ(findItem(*menu, 133)->text(), QStringLiteral("Neuer Tab\tCtrl+N"));
    // No command is captioned "ID__RENAMETAB": the label alone.
    EXPECT_EQ(findItem(*menu, kRenameTabItem)->text(), QStringLiteral("Umbenennen"));
}

TEST_F(MenusTest, items_showTheShortcutAsCurrentlyBound)
{
    context->commands.setBinding(QStringLiteral("makeSelectionBold"), 'F', commands::Modifier::Alt);
    const auto menu = menus->buildMenu(MenuKind::Editor);
    EXPECT_EQ(findItem(*menu, 146)->text(), QStringLiteral("Fett\tAlt+F"));
    context->commands.setBinding(QStringLiteral("makeSelectionBold"), 0, {});
    EXPECT_EQ(findItem(*menus->buildMenu(MenuKind::Editor), 146)->text(), QStringLiteral("Fett\t"));
}

TEST_F(MenusTest, trayMenu_isTranslatedAfreshWhenItOpens)
{
    QMenu *tray = menus->trayMenu();
    context->texts.loadLanguageText("IDC_EXIT: Beenden\n");
    emit tray->aboutToShow();
    EXPECT_EQ(findItem(*tray, 1009)->text(), QStringLiteral("Beenden\tCtrl+Q"));
    EXPECT_EQ(menus->trayMenu(), tray);
}

TEST_F(MenusTest, trayMenu_choiceRunsAsCommandOfItsId)
{
    QMenu *tray = menus->trayMenu();
    const_cast<QAction *>(findItem(*tray, kResetPositionItem))->trigger();
    EXPECT_EQ(host.log, QStringList{QStringLiteral("item 32806")});
}

TEST_F(MenusTest, alwaysOnTop_isCheckedExactlyWhileTheWindowIsTopmost)
{
    EXPECT_FALSE(findItem(*menus->buildMenu(MenuKind::Main), 173)->isChecked());
    host.onTop = true;
    EXPECT_TRUE(findItem(*menus->buildMenu(MenuKind::Main), 173)->isChecked());
}

TEST_F(MenusTest, editorMenu_checksBoldOnlyWhenTheWholeSelectionIsBold)
{
    host.editor.setPlainText(QStringLiteral("bold and plain"));
    select(0, 4);
    toggleCharacter(host.editor, CharacterToggle::Bold);
    EXPECT_TRUE(findItem(*menus->buildMenu(MenuKind::Editor), 146)->isChecked());
    select(0, 8);
    EXPECT_FALSE(findItem(*menus->buildMenu(MenuKind::Editor), 146)->isChecked());
    EXPECT_FALSE(findItem(*menus->buildMenu(MenuKind::Editor), 147)->isChecked());
}

TEST_F(MenusTest, editorMenu_checksCharacterEffectsListsAndAlignmentOfTheSelection)
{
    host.editor.setPlainText(QStringLiteral("text"));
    select(0, 4);
    toggleCharacter(host.editor, CharacterToggle::Superscript);
    toggleCharacter(host.editor, CharacterToggle::SmallCapitals);
    toggleNumbering(host.editor, rtf::Numbering::Bullet);
    alignParagraphs(host.editor, rtf::Alignment::Right);
    const auto menu = menus->buildMenu(MenuKind::Editor);
    const std::map<int, bool> expected{{32788, true}, {32794, false}, {32793, true}, {32792, false}, {152, true},
                                       {154, false},  {175, false},   {176, false},  {177, true},    {180, false}};
    for (const auto &[id, checked] : expected)
        EXPECT_EQ(findItem(*menu, id)->isChecked(), checked) << id;
    // Items that carry no mark never show one.
    EXPECT_FALSE(findItem(*menu, 149)->isCheckable());
}

TEST_F(MenusTest, editorMenu_greysPasteWhileTheClipboardHoldsNothingToPaste)
{
    QApplication::clipboard()->clear();
    host.editor.setPlainText(QStringLiteral("some words"));
    select(0, 4);
    auto menu = menus->buildMenu(MenuKind::Editor);
    EXPECT_FALSE(findItem(*menu, 157)->isEnabled());
    EXPECT_FALSE(findItem(*menu, 158)->isEnabled());
    EXPECT_TRUE(findItem(*menu, 155)->isEnabled()) << "Copy does not depend on the clipboard";
    QApplication::clipboard()->setText(QStringLiteral("some text"));
    menu = menus->buildMenu(MenuKind::Editor);
    EXPECT_TRUE(findItem(*menu, 157)->isEnabled());
    EXPECT_TRUE(findItem(*menu, 158)->isEnabled());
    QApplication::clipboard()->clear();
}

struct SelectionCase
{
    const char *name;
    int from;
    int to;
    bool readOnly;
    bool copy;
    bool cut;
};

class SelectionItems : public MenusTest, public testing::WithParamInterface<SelectionCase>
{
};

TEST_P(SelectionItems, editorMenu_offersCopyAndCutOnlyForASelection)
{
    host.editor.setPlainText(QStringLiteral("some words"));
    // Each menu is built afresh: an item greyed for one opening is enabled again for the next.
    for (const bool selected : {false, true}) {
        select(selected ? GetParam().from : GetParam().to, GetParam().to);
        host.editor.setReadOnly(GetParam().readOnly);
        const auto menu = menus->buildMenu(MenuKind::Editor);
        EXPECT_EQ(findItem(*menu, 155)->isEnabled(), selected && GetParam().copy) << "Copy";
        EXPECT_EQ(findItem(*menu, 156)->isEnabled(), selected && GetParam().cut) << "Cut";
    }
}

INSTANTIATE_TEST_SUITE_P(Selections, SelectionItems,
                         testing::Values(SelectionCase{"aWord", 0, 4, false, true, true},
                                         SelectionCase{"selectedBackwards", 4, 0, false, true, true},
                                         SelectionCase{"caretOnly", 4, 4, false, false, false},
                                         SelectionCase{"readOnlyNote", 0, 4, true, true, false}),
                         [](const testing::TestParamInfo<SelectionCase> &param) {
                             return std::string(param.param.name);
                         });

TEST_F(MenusTest, editorMenu_checksWordWrapExactlyWhileLinesWrap)
{
    for (const auto mode : {QTextEdit::WidgetWidth, QTextEdit::NoWrap, QTextEdit::FixedPixelWidth}) {
        host.editor.setLineWrapMode(mode);
        const auto menu = menus->buildMenu(MenuKind::Editor);
        const QAction *wordWrap = findItem(*menu, 171);
        EXPECT_TRUE(wordWrap->isCheckable());
        EXPECT_EQ(wordWrap->isChecked(), mode != QTextEdit::NoWrap) << mode;
    }
}

TEST_F(MenusTest, pluginsSubmenu_showsPlaceholderAndLinkUntilThePluginHostFillsIt)
{
    auto menu = menus->buildMenu(MenuKind::Main);
    const QMenu *plugins = submenuTitled(*menu, QStringLiteral("Erweiterungen"));
    ASSERT_NE(plugins, nullptr);
    EXPECT_EQ(plugins->actions().size(), 3);
    EXPECT_EQ(plugins->actions()[0]->text(), QStringLiteral("Keine Erweiterungen installiert"));
    EXPECT_FALSE(plugins->actions()[0]->isEnabled());
    EXPECT_TRUE(plugins->actions()[1]->isSeparator());
    EXPECT_EQ(plugins->actions()[2]->text(), QStringLiteral("Mehr Erweiterungen"));
    EXPECT_EQ(plugins->actions()[2]->data().toInt(), kMorePluginsItem);

    menus->setPluginMenus([](QMenu &submenu) { submenu.addAction(QStringLiteral("Alpha"))->setData(0xC001); },
                          [](int) { return false; });
    menu = menus->buildMenu(MenuKind::Editor);
    plugins = submenuTitled(*menu, QStringLiteral("Erweiterungen"));
    ASSERT_NE(plugins, nullptr);
    EXPECT_EQ(outline(*plugins).join(QLatin1Char(' ')), QStringLiteral("49153 - 3901"));
}

// Themes show by their captions in the program's language, in the order of their names; the
// English caption stands for a language the package has none for.
TEST_F(MenusTest, themesSubmenu_listsInstalledThemesAndSubthemesByCaptionWithTheCurrentOnesChecked)
{
    loadShippedTheme(QStringLiteral("dark"));
    ASSERT_EQ(host.theme.listSubthemes(), (QStringList{QStringLiteral("compact"), QStringLiteral("full")}));
    const QString current = host.theme.currentTitle();
    for (const auto &[locale, shownThemes, shownSubthemes] :
         {std::tuple{"de", QStringList{"Dunkel", "Standard"}, QStringList{"Kompakt", "Vollständig"}},
          std::tuple{"fr", QStringList{"Dark", "Default"}, QStringList{"Compact", "Full"}}}) {
        context->texts.loadLanguageText(QByteArray("LOCALE: ") + locale + "\n");
        const auto menu = menus->buildMenu(MenuKind::Main);
        const QMenu *themes = submenuTitled(*menu, QStringLiteral("Themen"));
        ASSERT_NE(themes, nullptr);
        QStringList shown;
        for (const QAction *action : themes->actions())
            shown.append(action->isSeparator()
                             ? QStringLiteral("-")
                             : action->text() + (action->isChecked() ? QStringLiteral("*") : QString()));
        EXPECT_EQ(shown, (QStringList{shownThemes[0] + "*", shownThemes[1], "-",
                                      shownSubthemes[0] + (current == "compact" ? "*" : ""),
                                      shownSubthemes[1] + (current == "full" ? "*" : ""), "-", "Mehr Themen"}))
            << locale;
    }
}

TEST_F(MenusTest, dispatch_offersAChoiceToPluginsThenThemesThenCommands)
{
    loadShippedTheme(QStringLiteral("default"));
    QList<int> offeredToPlugins;
    menus->setPluginMenus({}, [&](int id) {
        offeredToPlugins.append(id);
        return id == 146; // a plug-in entry whose id is also the Bold item's
    });
    menus->dispatchChoice(146);
    menus->dispatchChoice(3701);
    menus->dispatchChoice(3800);
    menus->dispatchChoice(147);
    // Past the installed themes: no theme takes it, and no command has that id.
    menus->dispatchChoice(3799);
    EXPECT_EQ(offeredToPlugins, (QList<int>{146, 3701, 3800, 147, 3799}));
    EXPECT_EQ(host.log, (QStringList{QStringLiteral("theme default"),
                                     QStringLiteral("subtheme ") + host.theme.listSubthemes().first(),
                                     QStringLiteral("item 147"), QStringLiteral("item 3799")}));
}

struct MenuItemCase
{
    const char *name;
    int id;
    std::optional<CommandId> command;
};

class MenuItemCommandTest : public ::testing::TestWithParam<MenuItemCase>
{
};

TEST_P(MenuItemCommandTest, commandOfMenuItem_findsTheCommandOfEveryIdItGoesBy)
{
    EXPECT_EQ(commandOfMenuItem(GetParam().id), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(Ids, MenuItemCommandTest,
                         ::testing::Values(MenuItemCase{"commandIdItself", 3514, CommandId::PasteTextOnly},
                                           MenuItemCase{"editorMenuBold", 146, CommandId::MakeSelectionBold},
                                           MenuItemCase{"formatButtonBold", 1002, CommandId::MakeSelectionBold},
                                           MenuItemCase{"editorMenuOptions", 161, CommandId::ShowOptions},
                                           MenuItemCase{"mainMenuOptions", 1010, CommandId::ShowOptions},
                                           MenuItemCase{"editorMenuExit", 163, CommandId::Exit},
                                           MenuItemCase{"showMenuButton", 1019, CommandId::ShowMenu},
                                           MenuItemCase{"pasteTextOnly", 158, CommandId::PasteTextOnly},
                                           MenuItemCase{"renameIsNoCommand", kRenameTabItem, std::nullopt},
                                           MenuItemCase{"resetPositionIsNoCommand", kResetPositionItem, std::nullopt},
                                           MenuItemCase{"themeItemIsNoCommand", 3700, std::nullopt},
                                           MenuItemCase{"pastTheLastCommand", 3549, std::nullopt}),
                         [](const ::testing::TestParamInfo<MenuItemCase> &item) {
                             return std::string(item.param.name);
                         });

TEST_F(MenusTest, menuStyle_laysItemsOutToTheStripLabelAndShortcutGeometry)
{
    const auto menu = menus->buildMenu(MenuKind::Tab);
    menu->ensurePolished();
    menu->adjustSize();
    const QFontMetrics metrics(menu->font());
    const QAction *newTab = findItem(*menu, 133);
    const QRect item = menu->actionGeometry(const_cast<QAction *>(newTab));
    EXPECT_GE(item.height(), MenuStyle::kMinimumItemHeight);
    EXPECT_GE(item.width(), metrics.horizontalAdvance(QStringLiteral("Neuer Tab")) +
                                metrics.horizontalAdvance(QStringLiteral("Ctrl+N")) + MenuStyle::kExtraWidth);
    const QAction *separator = menu->actions()[2];
    ASSERT_TRUE(separator->isSeparator());
    EXPECT_EQ(menu->actionGeometry(const_cast<QAction *>(separator)).height(), MenuStyle::kMinimumItemHeight / 2);
}

TEST_F(MenusTest, menuStyle_drawsTheStripAndNeverHighlightsAGreyedItem)
{
    QApplication::clipboard()->clear();
    const auto menu = menus->buildMenu(MenuKind::Editor);
    menu->ensurePolished();
    menu->adjustSize();
    QAction *paste = const_cast<QAction *>(findItem(*menu, 157));
    QAction *copy = const_cast<QAction *>(findItem(*menu, 155));
    copy->setEnabled(true);
    const QPalette palette = menu->palette();
    const QColor highlight = palette.color(QPalette::Highlight);

    menu->setActiveAction(copy);
    QImage image = menu->grab().toImage();
    const QRect copyRect = menu->actionGeometry(copy);
    EXPECT_EQ(image.pixelColor(copyRect.center().x(), copyRect.top() + 2), highlight);
    // No focus frame inside the highlight: its edges are the highlight's colour throughout.
    int framePixels = 0;
    for (int x = copyRect.left(); x <= copyRect.right(); ++x)
        framePixels +=
            (image.pixelColor(x, copyRect.top()) != highlight) + (image.pixelColor(x, copyRect.bottom()) != highlight);
    for (int y = copyRect.top(); y <= copyRect.bottom(); ++y)
        framePixels +=
            (image.pixelColor(copyRect.left(), y) != highlight) + (image.pixelColor(copyRect.right(), y) != highlight);
    EXPECT_EQ(framePixels, 0);

    menu->setActiveAction(paste);
    image = menu->grab().toImage();
    const QRect pasteRect = menu->actionGeometry(paste);
    EXPECT_NE(image.pixelColor(pasteRect.center().x(), pasteRect.top() + 2), highlight);
    // The strip: between the menu's background and its grey text.
    const QColor background = palette.color(QPalette::Window);
    const QColor grey = palette.color(QPalette::Disabled, QPalette::WindowText);
    const QColor strip = image.pixelColor(pasteRect.left() + 1, pasteRect.top() + 1);
    EXPECT_EQ(strip.red(), (background.red() + grey.red()) / 2);
    EXPECT_EQ(strip.blue(), (background.blue() + grey.blue()) / 2);
}

// The note window with one note "hello world", opened on the shipped default theme.
class WindowMenusTest : public ::testing::Test
{
protected:
    WindowMenusTest()
    {
        folders.dataFolder = work.filePath(QStringLiteral("data"));
        folders.programFolder = QStringLiteral(TABULET_BINARY_DIR);
        folders.themesFolder = work.filePath(QStringLiteral("themes"));
        QDir().mkpath(folders.dataFolder);
        context = std::make_unique<ApplicationContext>(folders);
        writeFile(QStringLiteral("tbu_config.xml"),
                  "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options/>\n<notes>\n"
                  "<note id=\"0\" title=\"One\" filename=\"tab00001.rtf\" visible=\"1\"/>\n"
                  "<note id=\"1\" title=\"Two\" filename=\"tab00002.rtf\" visible=\"1\"/>\n</notes>\n</config>\n");
        writeFile(QStringLiteral("tab00001.rtf"), "{\\rtf1\\ansi hello world\\par}");
        window = std::make_unique<MainWindow>(*context);
        auto fake = std::make_unique<FakePrompts>(log);
        prompts = fake.get();
        window->setPrompts(std::move(fake));
        EXPECT_TRUE(window->initialise());
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(QDir(folders.dataFolder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Runs open(); once the popup it opens is up, records its entries and chooses the top-level
    // item of that id by the keyboard (0: closes the menu without a choice).
    QStringList whileMenuOpen(const std::function<void()> &open, int choice = 0)
    {
        QStringList seen;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll.stop();
            seen = outline(*menu);
            const QList<QAction *> actions = menu->actions();
            const auto chosen = std::find_if(actions.begin(), actions.end(), [&](const QAction *action) {
                return choice != 0 && !action->menu() && action->data().toInt() == choice;
            });
            if (chosen == actions.end()) {
                menu->close();
                return;
            }
            menu->setActiveAction(*chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        poll.start();
        open();
        return seen;
    }

    QTemporaryDir work;
    settings::FolderSet folders;
    std::unique_ptr<ApplicationContext> context;
    std::unique_ptr<MainWindow> window;
    FakePrompts::Log log;
    FakePrompts *prompts = nullptr;
};

TEST_F(WindowMenusTest, rightClickInTheEditor_opensTheEditorMenuAndRunsItsChoice)
{
    NoteEditor &editor = window->editor();
    QTextCursor cursor(editor.document());
    cursor.setPosition(0);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    const QStringList seen = whileMenuOpen(
        [&] {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 10),
                                    editor.viewport()->mapToGlobal(QPoint(40, 10)));
            QApplication::sendEvent(editor.viewport(), &click);
        },
        156);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.mid(0, 4).join(QLatin1Char(' ')), QStringLiteral("155 156 157 158"));
    // Cut from the menu: the selection left the note.
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("world"));
}

TEST_F(WindowMenusTest, showMenuCommand_opensTheMainMenuWhoseChoiceRunsAsCommand)
{
    ASSERT_FALSE(window->isOnTop());
    const QStringList seen = whileMenuOpen([&] { window->runCommand(CommandId::ShowMenu); }, 173);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), QStringLiteral("167"));
    EXPECT_TRUE(window->isOnTop());
}

TEST_F(WindowMenusTest, rightClickOnATab_opensTheTabMenuActingOnThatTab)
{
    prompts->names.push_back(QStringLiteral("Renamed"));
    const QStringList seen =
        whileMenuOpen([&] { emit window->tabStrip().tabRightClicked(1, QPoint()); }, kRenameTabItem);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.join(QLatin1Char(' ')), QStringLiteral("133 137 - 32782 135 - 32807 32780"));
    ASSERT_EQ(window->tabStrip().count(), 2);
    EXPECT_EQ(log.namesOffered, QStringList{QStringLiteral("Two")});
    EXPECT_EQ(window->tabStrip().tabText(1), QStringLiteral("Renamed"));
}

TEST_F(WindowMenusTest, rightButtonUpOnTheFrame_opensTheWindowMenu)
{
    const QStringList seen =
        whileMenuOpen([&] { QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(1, window->height() / 2)); });
    EXPECT_EQ(seen.join(QLatin1Char(' ')), QStringLiteral("133 - 170 - 1010 1008 - 1015 1009"));
}

// A screen reader hears an item's caption without the shortcut the menus draw after a tab, and
// the shortcut as its key binding; a checkable item tells whether it is checked.
TEST(MenuItemAccessibility, nameIsTheCaptionBeforeTheTabAndTheShortcutItsKeyBinding)
{
    const struct
    {
        const char *text;
        const char *name;
        const char *shortcut;
    } cases[] = {{"&Options...\tCtrl + O", "Options...", "Ctrl + O"},
                 {"Save && close", "Save & close", ""},
                 {"Help\tF1", "Help", "F1"},
                 {"Plain", "Plain", ""}};
    for (const auto &item : cases) {
        QMenu menu;
        QAction *action = menu.addAction(QString::fromUtf8(item.text));
        MenuItemAccessible accessible(menu, *action);
        EXPECT_EQ(accessible.role(), QAccessible::MenuItem);
        EXPECT_EQ(accessible.text(QAccessible::Name), QString::fromUtf8(item.name)) << item.text;
        EXPECT_EQ(accessible.text(QAccessible::Accelerator), QString::fromUtf8(item.shortcut)) << item.text;
        EXPECT_FALSE(accessible.state().checkable);
        action->setCheckable(true);
        action->setChecked(true);
        EXPECT_TRUE(accessible.state().checkable && accessible.state().checked) << item.text;
    }
}

} // namespace
} // namespace tabulet::ui
