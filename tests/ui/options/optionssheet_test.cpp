// The keyboard and plug-in pages' working copies, and what OK hands to the program in which order.
#include "optionstesting.h"
#include "plugins/plugintable.h"
#include "ui/dialogs/enterhotkeydialog.h"
#include "ui/dialogs/options/keyboardpage.h"
#include "ui/dialogs/options/optionsapply.h"
#include "ui/dialogs/options/pluginpropertiesdialog.h"
#include "ui/dialogs/options/pluginspage.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace tabulet::ui {
namespace {

using commands::Modifier;
using testing::SheetRig;

OptionsWork workWithPluginBindings()
{
    OptionsWork work = SheetRig::workWith({});
    work.commands.setBinding(QStringLiteral("Plugin: Zebra"), 'Z', Modifier::Alt);
    work.commands.setBinding(QStringLiteral("Plugin: Apple"), 0, {});
    return work;
}

TEST(KeyboardPage, listsListedCommands_thenPluginBindingsSortedFrom1000)
{
    SheetRig rig;
    OptionsSheet &sheet = rig.open(workWithPluginBindings());
    QTreeWidget &list = static_cast<KeyboardPage &>(sheet.page(OptionsSheet::Keyboard)).list();
    int listed = 0;
    for (const commands::Command &command : sheet.work().commands.commands())
        listed += command.definition.listed ? 1 : 0;
    ASSERT_EQ(list.topLevelItemCount(), listed + 2);
    for (int row = 0; row < listed; ++row)
        EXPECT_NE(list.topLevelItem(row)->toolTip(0), "pasteTextOnly") << "not listed";
    QTreeWidgetItem *apple = list.topLevelItem(listed);
    QTreeWidgetItem *zebra = list.topLevelItem(listed + 1);
    EXPECT_EQ(apple->text(0), "Apple (plugin)") << "English when the language file has no words for it";
    EXPECT_EQ(apple->toolTip(0), "Plugin: Apple");
    EXPECT_EQ(apple->text(1), "");
    EXPECT_EQ(apple->data(0, Qt::UserRole).toInt(), KeyboardPage::kFirstPluginRow);
    EXPECT_EQ(zebra->text(1), "Alt+Z");
    EXPECT_EQ(zebra->data(0, Qt::UserRole).toInt(), KeyboardPage::kFirstPluginRow + 1);
}

TEST(KeyboardPage, activatingRows_rebindsTheWorkingCopyOnly_cancelInTheDialogKeepsIt)
{
    SheetRig rig;
    OptionsWork original = workWithPluginBindings();
    const commands::CommandTable programBindings = original.commands;
    OptionsSheet &sheet = rig.open(original);
    QTreeWidget &list = static_cast<KeyboardPage &>(sheet.page(OptionsSheet::Keyboard)).list();
    QTreeWidgetItem *first = list.topLevelItem(0);
    const QString firstName = first->toolTip(0);
    const commands::Shortcut before = sheet.work().commands.commands()[0].shortcut;

    rig.nextShortcut = std::nullopt;
    emit list.itemActivated(first, 0);
    EXPECT_EQ(sheet.work().commands.commands()[0].shortcut, before);

    rig.nextShortcut = commands::Shortcut{'Q', Modifier::Ctrl | Modifier::Shift};
    sheet.show();
    list.setCurrentItem(first);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(first->text(1), "Ctrl+Shift+Q");
    EXPECT_TRUE(sheet.isVisible()) << "Return opened the row; it did not also press OK";
    rig.nextShortcut = commands::Shortcut{'P', Modifier::Ctrl};
    emit list.itemActivated(list.topLevelItem(list.topLevelItemCount() - 2), 0);

    const int index = sheet.work().commands.indexOfCommand(firstName);
    EXPECT_EQ(sheet.work().commands.commands()[static_cast<std::size_t>(index)].shortcut.key, 'Q');
    EXPECT_EQ(sheet.work().commands.pluginBinding(QStringLiteral("Plugin: Apple"))->shortcut.key, 'P');
    EXPECT_EQ(rig.askedFor, QStringList({first->text(0), first->text(0), "Apple (plugin)"}));
    sheet.reject();
    EXPECT_EQ(programBindings.commands()[static_cast<std::size_t>(index)].shortcut, before)
        << "the program's table is not the sheet's";
}

// People see commands by the names the menus give them in their language; the configuration
// keeps the table names, which the rows show as tool tips. The shortcut dialog warns in the same
// words, also of a shortcut a plug-in's command has.
TEST(KeyboardPage, inGerman_rowsAndTheTakenShortcutNameCommandsAsTheMenusDo)
{
    SheetRig rig;
    ASSERT_TRUE(rig.texts.loadLanguageFile(QStringLiteral(TABULET_SOURCE_DIR "/resources/languages/deutsch.tabulang")));
    OptionsSheet &sheet = rig.open(workWithPluginBindings());
    QTreeWidget &list = static_cast<KeyboardPage &>(sheet.page(OptionsSheet::Keyboard)).list();
    QMap<QString, QString> shown; // table name -> row text
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        shown.insert(list.topLevelItem(row)->toolTip(0), list.topLevelItem(row)->text(0));
    EXPECT_EQ(shown.value("makeSelectionBold"), "Fett");
    EXPECT_EQ(shown.value("showOptions"), "Optionen");
    EXPECT_EQ(shown.value("deleteDocument"), "Tab löschen");
    EXPECT_EQ(shown.value("changeToNextTab"), "Nächster Tab");
    EXPECT_EQ(shown.value("searchPrev"), "Rückwärts weitersuchen");
    EXPECT_EQ(shown.value("Plugin: Zebra"), "Zebra (Plugin)");

    rig.nextShortcut = commands::Shortcut{'K', Modifier::Ctrl};
    QTreeWidgetItem *options = list.findItems(QStringLiteral("Optionen"), Qt::MatchExactly).value(0);
    ASSERT_NE(options, nullptr);
    emit list.itemActivated(options, 0);
    EXPECT_EQ(rig.askedFor, QStringList{"Optionen"});
    const int index = sheet.work().commands.indexOfCommand(QStringLiteral("showOptions"));
    EXPECT_EQ(sheet.work().commands.commands()[static_cast<std::size_t>(index)].shortcut.key, 'K');

    EnterHotkeyDialog dialog(QStringLiteral("Fett"), 'K', Modifier::Ctrl, sheet.work().commands, rig.texts,
                             rig.keyNames);
    EXPECT_EQ(dialog.conflictText(), "Dieses Tastenkürzel ist bereits belegt durch: Optionen");
    EnterHotkeyDialog pluginTaken(QStringLiteral("Fett"), 'Z', Modifier::Alt, sheet.work().commands, rig.texts,
                                  rig.keyNames);
    EXPECT_EQ(pluginTaken.conflictText(), "Dieses Tastenkürzel ist bereits belegt durch: Zebra (Plugin)");
}

TEST(PluginsPage, detailsClosedWithTheStateButton_flipTheRow)
{
    SheetRig rig;
    OptionsWork work = SheetRig::workWith({});
    work.plugins.resize(2);
    work.plugins[0].path = QStringLiteral("/p/a.lua");
    work.plugins[0].name = QStringLiteral("Alpha");
    work.plugins[1].path = QStringLiteral("/p/gone.lua");
    work.plugins[1].enabled = false;
    OptionsSheet &sheet = rig.open(std::move(work));
    rig.texts.loadLanguageText("ENABLED: on\nDISABLED: off\n");
    QTreeWidget &list = static_cast<PluginsPage &>(sheet.page(OptionsSheet::Plugins)).list();
    EXPECT_EQ(list.topLevelItem(0)->text(0), "Alpha");
    EXPECT_EQ(list.topLevelItem(1)->text(0), "/p/gone.lua") << "a plug-in without a name shows its path";

    rig.detailsChangeState = false;
    emit list.itemActivated(list.topLevelItem(0), 0);
    EXPECT_TRUE(sheet.work().plugins[0].enabled) << "closed with Close";
    rig.detailsChangeState = true;
    emit list.itemActivated(list.topLevelItem(0), 0);
    emit list.itemActivated(list.topLevelItem(1), 0);
    EXPECT_FALSE(sheet.work().plugins[0].enabled);
    EXPECT_TRUE(sheet.work().plugins[1].enabled);
}

TEST(PluginsPage, settingsFile_isTheScriptsOwnElseNamedAfterTheScript)
{
    plugins::PluginInfo plugin;
    plugin.path = QStringLiteral("C:\\Tabulet\\plugins\\wordcount.lua");
    EXPECT_EQ(pluginSettingsFile(plugin, QStringLiteral("/d/pluginCFG")), "/d/pluginCFG/wordcount.ini");
    plugin.path = QStringLiteral("/home/u/plugins/sub/old.lua.bak");
    EXPECT_EQ(pluginSettingsFile(plugin, QStringLiteral("/d/pluginCFG")), "/d/pluginCFG/old.ini");
    plugin.path = QStringLiteral("/home/u/plugins/README");
    EXPECT_EQ(pluginSettingsFile(plugin, QStringLiteral("/d/pluginCFG")), "/d/pluginCFG/README");
    plugin.configurationFile = QStringLiteral("/d/pluginCFG/own.ini");
    EXPECT_EQ(pluginSettingsFile(plugin, QStringLiteral("/d/pluginCFG")), "/d/pluginCFG/own.ini");
}

TEST(PluginDetails, stateButtonSaysWhatItDoes_andClosesWithAccepted_settingsFileOpened)
{
    lang::TextTable texts;
    texts.loadLanguageText("IDC_CHANGESTATE_ENABLE: Enable\nIDC_CHANGESTATE_DISABLE: Disable\n");
    plugins::PluginInfo plugin;
    plugin.path = QStringLiteral("/p/wordcount.lua");
    QStringList opened;
    const auto open = [&opened](const QString &path) { opened.append(path); };
    for (const bool enabled : {true, false}) {
        plugin.enabled = enabled;
        PluginPropertiesDialog details(plugin, texts, QStringLiteral("/d/pluginCFG"), open);
        auto *changeState = details.findChild<QPushButton *>(QStringLiteral("changeState"));
        ASSERT_NE(changeState, nullptr);
        EXPECT_EQ(changeState->text(), enabled ? "Disable" : "Enable");
        details.findChild<QPushButton *>(QStringLiteral("showSettings"))->click();
        EXPECT_NE(details.result(), QDialog::Accepted) << "opening the settings file keeps the details open";
        changeState->click();
        EXPECT_EQ(details.result(), QDialog::Accepted);
    }
    EXPECT_EQ(opened, QStringList({"/d/pluginCFG/wordcount.ini", "/d/pluginCFG/wordcount.ini"}));
}

TEST(PluginDetails, valuesAreReadOnlyText_aLongPathIsCutInTheMiddleWithTheWholeInItsTip)
{
    lang::TextTable texts;
    plugins::PluginInfo plugin;
    plugin.name = QStringLiteral("<b>Dates</b>");
    plugin.path = QStringLiteral("/home/anna/") + QStringLiteral("deeper/").repeated(40) + QStringLiteral("dates.lua");
    PluginPropertiesDialog details(plugin, texts, QStringLiteral("/d/pluginCFG"), [](const QString &) {});
    details.show();
    EXPECT_TRUE(details.findChildren<QLineEdit *>().isEmpty()) << "no value looks like an input field";

    const auto *file = details.findChild<QLabel *>(QStringLiteral("fileName"));
    ASSERT_NE(file, nullptr);
    const QString shown = file->text();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home/anna/")) && shown.endsWith(QStringLiteral("/dates.lua")) &&
                shown.contains(QChar(0x2026)))
        << shown.toStdString();
    EXPECT_LE(file->fontMetrics().horizontalAdvance(shown), file->contentsRect().width()) << "nothing clipped";
    EXPECT_EQ(file->toolTip(), plugin.path);

    const auto *name = details.findChild<QLabel *>(QStringLiteral("pluginName"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), plugin.name) << "a value that fits is shown whole";
    EXPECT_EQ(name->textFormat(), Qt::PlainText) << "a script's markup is not drawn";
    EXPECT_TRUE(name->toolTip().isEmpty());
    EXPECT_EQ(details.findChild<QPlainTextEdit *>(QStringLiteral("description"))->viewport()->backgroundRole(),
              QPalette::Window);
}

TEST(ApplyOptions, bindingsAndFlagsFirst_hotkeyAfterItsGroup_trayAfterItsOwn)
{
    settings::Settings program;
    program.applyDefaults();
    commands::CommandTable programCommands;
    plugins::PluginTable programPlugins;
    programPlugins.record(QStringLiteral("/p/a.lua"));

    OptionsWork work = optionsWorkOf(program, programCommands, programPlugins, {});
    work.settings.value(QStringLiteral("activatemod")) = QStringLiteral("AC");
    work.settings.value(QStringLiteral("trayicon")) = QStringLiteral("5");
    work.settings.value(QStringLiteral("port")) = QStringLiteral("2000");
    work.settings.value(QStringLiteral("lastarchiving")) = QStringLiteral("123");
    work.commands.setBinding(QStringLiteral("newTab"), 'Y', Modifier::Ctrl);
    work.plugins[0].enabled = false;

    QStringList seen;
    applyOptions(work, {program, programCommands, programPlugins,
                        [&] {
                            seen << QStringLiteral("hotkey %1 tray %2")
                                        .arg(program.value(QStringLiteral("activatemod")),
                                             program.value(QStringLiteral("trayicon")));
                        },
                        [&] {
                            seen << QStringLiteral("tray %1 port %2")
                                        .arg(program.value(QStringLiteral("trayicon")),
                                             program.value(QStringLiteral("port")));
                        }});
    EXPECT_EQ(seen, QStringList({"hotkey AC tray 0", "tray 5 port 1614"}));
    EXPECT_EQ(program.value(QStringLiteral("port")), "2000");
    EXPECT_EQ(program.value(QStringLiteral("lastarchiving")), "0") << "no page shows it";
    EXPECT_EQ(programCommands.commands()[static_cast<std::size_t>(programCommands.indexOfCommand("newTab"))].shortcut.key,
              'Y');
    EXPECT_FALSE(programPlugins.find(QStringLiteral("/p/a.lua"))->enabled);
}

} // namespace
} // namespace tabulet::ui
