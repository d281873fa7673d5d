#include "commands/commandtable.h"

#include "fakekeynames.h"
#include "lang/texttable.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>
#include <vector>

using namespace tabulet::commands;

namespace {

const Modifiers kCtrl = Modifier::Ctrl;
const Modifiers kCtrlShift = Modifier::Ctrl | Modifier::Shift;

class RecordingTarget final : public CommandTarget
{
public:
    void runCommand(CommandId id) override { ran.push_back(id); }
    std::vector<CommandId> ran;
};

// Runs plug-in commands by name. Like a plug-in may, it registers further entries while it runs,
// and only then looks at the name it was given.
class RecordingPluginRunner final : public PluginCommandRunner
{
public:
    RecordingPluginRunner(CommandTable &table, bool result) : m_table(table), m_result(result) {}

    bool runPluginCommandByName(const QString &name) override
    {
        for (int i = 0; i < 32; ++i)
            m_table.markPluginBindingForWriting(QStringLiteral("Plugin: added %1").arg(i));
        ran.push_back(name);
        return m_result;
    }
    QStringList ran;

private:
    CommandTable &m_table;
    bool m_result;
};

// A parsed "commands" element, as the configuration file hands it over.
class CommandsXml
{
public:
    explicit CommandsXml(const char *xml) { EXPECT_EQ(m_document.Parse(xml), tinyxml2::XML_SUCCESS); }
    const tinyxml2::XMLElement &element() const { return *m_document.FirstChildElement("commands"); }

private:
    tinyxml2::XMLDocument m_document;
};

struct WrittenCommand
{
    std::string name;
    std::string key;
    std::string mod;
};

std::vector<WrittenCommand> written(const CommandTable &table)
{
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement *commands = document.NewElement("commands");
    document.InsertEndChild(commands);
    table.writeBindings(*commands);
    std::vector<WrittenCommand> result;
    for (const tinyxml2::XMLElement *e = commands->FirstChildElement(); e; e = e->NextSiblingElement()) {
        EXPECT_STREQ(e->Name(), "command");
        result.push_back({e->Attribute("name"), e->Attribute("key"), e->Attribute("mod")});
    }
    return result;
}

const WrittenCommand *findWritten(const std::vector<WrittenCommand> &commands, const std::string &name)
{
    for (const WrittenCommand &command : commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

class CommandTableTest : public testing::Test
{
protected:
    CommandTableTest() { table.setTarget(&target); }

    CommandTable table;
    RecordingTarget target;
};

TEST_F(CommandTableTest, dispatchShortcut_runsTheCommandWithExactlyThoseModifiers)
{
    EXPECT_TRUE(table.dispatchShortcut(kCtrlShift, 'B'));
    EXPECT_TRUE(table.dispatchShortcut(Modifier::Shift, vk::F3));
    EXPECT_FALSE(table.dispatchShortcut(kCtrl, 'B'));
    EXPECT_FALSE(table.dispatchShortcut(kCtrlShift | Modifier::Alt, 'B'));
    EXPECT_FALSE(table.dispatchShortcut({}, 0));
    EXPECT_EQ(target.ran, (std::vector{CommandId::MakeSelectionBold, CommandId::SearchPrev}));
}

TEST(CommandTable, dispatchShortcut_withoutTargetConsumesButRunsNothing)
{
    CommandTable table;
    EXPECT_TRUE(table.dispatchShortcut(kCtrl, 'P'));
    EXPECT_FALSE(table.dispatchShortcut(kCtrl, 'J'));
}

TEST_F(CommandTableTest, unlistedCommands_stillDispatchAndAreWritten)
{
    EXPECT_TRUE(table.dispatchShortcut(kCtrl, vk::PageUp));
    EXPECT_TRUE(table.dispatchShortcut(kCtrl, vk::PageDown));
    EXPECT_TRUE(table.dispatchShortcut(kCtrl, 'T'));
    EXPECT_EQ(target.ran,
              (std::vector{CommandId::ChangeToPrevTab1, CommandId::ChangeToNextTab1, CommandId::PasteTextOnly}));

    const auto commands = written(table);
    for (const char *name : {"changeToPrevTab1", "changeToNextTab1", "pasteTextOnly"})
        EXPECT_NE(findWritten(commands, name), nullptr) << name;
}

TEST_F(CommandTableTest, readBindings_rebindsPrintToCtrlShiftP)
{
    table.readBindings(CommandsXml(R"(<commands><command name="print" key="80" mod="CS"/></commands>)").element());

    EXPECT_FALSE(table.dispatchShortcut(kCtrl, 'P'));
    EXPECT_TRUE(table.dispatchShortcut(kCtrlShift, 'P'));
    EXPECT_EQ(target.ran, std::vector{CommandId::Print});
}

// The first row wins a shared shortcut: "replace" stands before "searchNext", "showHelp" after.
TEST_F(CommandTableTest, readBindings_earlierRowBoundToF3TakesItFromSearchNext)
{
    table.readBindings(CommandsXml(R"(<commands><command name="showHelp" key="114" mod=""/></commands>)").element());
    table.dispatchShortcut({}, vk::F3);
    table.readBindings(CommandsXml(R"(<commands><command name="replace" key="114" mod=""/></commands>)").element());
    table.dispatchShortcut({}, vk::F3);

    EXPECT_EQ(target.ran, (std::vector{CommandId::SearchNext, CommandId::Replace}));
}

TEST_F(CommandTableTest, readBindings_toleratesMissingOrOddAttributes)
{
    table.readBindings(CommandsXml(R"(<commands>
        <command key="80" mod="C"/>
        <command name="copy" mod="C"/>
        <command name="paste" key="soon" mod="C"/>
        <command name="cut" key="88"/>
        <command name="newTab" key="78" mod="S+C!"/>
        <command name="alignLeft" key="76" mod="cs"/>
        <other name="search" key="1" mod=""/>
    </commands>)")
                           .element());

    const auto shortcutOf = [&](const char *name) {
        return table.commands().at(static_cast<std::size_t>(table.indexOfCommand(QLatin1String(name)))).shortcut;
    };
    EXPECT_EQ(shortcutOf("copy"), (Shortcut{0, kCtrl}));
    EXPECT_EQ(shortcutOf("paste"), (Shortcut{0, kCtrl}));
    EXPECT_EQ(shortcutOf("cut"), (Shortcut{'X', {}}));
    EXPECT_EQ(shortcutOf("newTab"), (Shortcut{'N', kCtrlShift}));
    EXPECT_EQ(shortcutOf("alignLeft"), (Shortcut{'L', {}}));
    EXPECT_EQ(shortcutOf("search"), (Shortcut{'F', kCtrl}));
    EXPECT_EQ(shortcutOf("print"), (Shortcut{'P', kCtrl}));
    EXPECT_TRUE(table.pluginBindings().empty());
}

TEST_F(CommandTableTest, setBinding_keyZeroRemovesTheShortcut)
{
    EXPECT_TRUE(table.setBinding(QStringLiteral("copy"), 0, kCtrl));

    EXPECT_FALSE(table.dispatchShortcut(kCtrl, 'C'));
    EXPECT_EQ(table.indexOfShortcut('C', kCtrl), -1);
    const auto commands = written(table);
    EXPECT_EQ(findWritten(commands, "copy")->key, "0");
}

TEST_F(CommandTableTest, writeBindings_allRowsInListOrderWithNameKeyMod)
{
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement *commands = document.NewElement("commands");
    document.InsertEndChild(commands);
    table.writeBindings(*commands);
    tinyxml2::XMLPrinter printer(nullptr, true);
    commands->FirstChildElement()->Accept(&printer);
    EXPECT_STREQ(printer.CStr(), R"(<command name="makeSelectionBold" key="66" mod="CS"/>)");

    const auto all = written(table);
    ASSERT_EQ(all.size(), 49u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].name, kCommandDefinitions[i].name);
    EXPECT_EQ(findWritten(all, "showTips")->mod, "");
    EXPECT_EQ(findWritten(all, "viewDocumentList")->key, "226");
}

TEST_F(CommandTableTest, unknownNames_landInPluginListAndAreWrittenOnlyWhenMarked)
{
    table.readBindings(
        CommandsXml(R"(<commands><command name="Plugin: Insert date" key="68" mod="AC"/></commands>)").element());

    const PluginBinding *binding = table.pluginBinding(QStringLiteral("Plugin: Insert date"));
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(binding->shortcut, (Shortcut{'D', Modifier::Alt | Modifier::Ctrl}));
    EXPECT_FALSE(binding->writeToFile);
    EXPECT_EQ(written(table).size(), 49u);

    table.markPluginBindingForWriting(QStringLiteral("Plugin: Insert date"));
    const auto commands = written(table);
    ASSERT_EQ(commands.size(), 50u);
    EXPECT_EQ(commands.back().name, "Plugin: Insert date");
    EXPECT_EQ(commands.back().key, "68");
    EXPECT_EQ(commands.back().mod, "AC");
}

TEST_F(CommandTableTest, setBinding_ofPluginNameKeepsItsWriteMark)
{
    table.markPluginBindingForWriting(QStringLiteral("Plugin: Shout"));
    EXPECT_EQ(table.pluginBinding(QStringLiteral("Plugin: Shout"))->shortcut, Shortcut());

    EXPECT_FALSE(table.setBinding(QStringLiteral("Plugin: Shout"), 'S', Modifier::Alt));
    EXPECT_FALSE(table.setBinding(QStringLiteral("Plugin: Shout"), 'Y', Modifier::Alt));

    ASSERT_EQ(table.pluginBindings().size(), 1u);
    EXPECT_TRUE(table.pluginBindings().front().writeToFile);
    EXPECT_EQ(table.pluginBindings().front().shortcut, (Shortcut{'Y', Modifier::Alt}));
}

TEST_F(CommandTableTest, writtenBindings_readBackIntoAFreshTable)
{
    table.setBinding(QStringLiteral("print"), 'P', kCtrlShift);
    table.setBinding(QStringLiteral("windowOnTop"), vk::F4, Modifier::Alt | Modifier::Shift);
    table.setBinding(QStringLiteral("Plugin: Word count"), 'W', Modifier::Alt);
    table.markPluginBindingForWriting(QStringLiteral("Plugin: Word count"));
    table.setBinding(QStringLiteral("Plugin: Forgotten"), 'F', Modifier::Alt);

    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement *element = document.NewElement("commands");
    document.InsertEndChild(element);
    const tabulet::settings::ConfigurationSection &section = table;
    section.writeSection(*element);

    CommandTable reread;
    static_cast<tabulet::settings::ConfigurationSection &>(reread).readSection(*element);
    for (std::size_t i = 0; i < reread.commands().size(); ++i)
        EXPECT_EQ(reread.commands()[i].shortcut, table.commands()[i].shortcut) << kCommandDefinitions[i].name;
    ASSERT_EQ(reread.pluginBindings().size(), 1u);
    EXPECT_EQ(reread.pluginBindings().front().name, QStringLiteral("Plugin: Word count"));
    EXPECT_EQ(reread.pluginBindings().front().shortcut, (Shortcut{'W', Modifier::Alt}));
}

TEST_F(CommandTableTest, dispatchPluginShortcut_runsTheBoundEntryAndReportsItsResult)
{
    table.setBinding(QStringLiteral("Plugin: Insert date"), 'D', Modifier::Alt);
    EXPECT_FALSE(table.dispatchPluginShortcut(Modifier::Alt, 'D')); // no runner yet

    RecordingPluginRunner runner(table, true);
    table.setPluginCommandRunner(&runner);
    EXPECT_FALSE(table.dispatchPluginShortcut(Modifier::Ctrl, 'D'));
    EXPECT_TRUE(table.dispatchPluginShortcut(Modifier::Alt, 'D'));
    EXPECT_EQ(runner.ran, QStringList{QStringLiteral("Plugin: Insert date")});

    RecordingPluginRunner failing(table, false);
    table.setPluginCommandRunner(&failing);
    EXPECT_FALSE(table.dispatchPluginShortcut(Modifier::Alt, 'D'));
    EXPECT_EQ(failing.ran.size(), 1);
    EXPECT_TRUE(target.ran.empty());
}

TEST_F(CommandTableTest, dispatchKey_triesBuiltInCommandsBeforePluginBindings)
{
    RecordingPluginRunner runner(table, true);
    table.setPluginCommandRunner(&runner);
    table.setBinding(QStringLiteral("Plugin: Also bold"), 'B', kCtrlShift);
    table.setBinding(QStringLiteral("Plugin: Greet"), 'G', kCtrlShift);

    EXPECT_TRUE(table.dispatchKey(kCtrlShift, 'B'));
    EXPECT_TRUE(table.dispatchKey(kCtrlShift, 'G'));
    EXPECT_FALSE(table.dispatchKey(kCtrlShift, 'J'));
    EXPECT_EQ(target.ran, std::vector{CommandId::MakeSelectionBold});
    EXPECT_EQ(runner.ran, QStringList{QStringLiteral("Plugin: Greet")});
}

TEST_F(CommandTableTest, lookups_byNameAndTextKeyAreExact)
{
    EXPECT_EQ(table.indexOfCommand(QStringLiteral("print")), 14);
    EXPECT_EQ(table.indexOfCommand(QStringLiteral("Print")), -1);
    EXPECT_EQ(table.indexOfCommand(QString()), -1);
    EXPECT_EQ(table.commandOfTextKey(QStringLiteral("IDC_PRINT")), QStringLiteral("print"));
    EXPECT_EQ(table.commandOfTextKey(QStringLiteral("idc_print")), QString());
    EXPECT_EQ(table.commandOfTextKey(QString()), QString());
}

TEST_F(CommandTableTest, adoptBindings_takesEditedShortcutsAndKeepsTheTarget)
{
    CommandTable edited = table;
    edited.setTarget(nullptr);
    edited.setBinding(QStringLiteral("print"), 'P', Modifier::Alt);
    edited.markPluginBindingForWriting(QStringLiteral("Plugin: Greet"));

    table.adoptBindings(edited);

    EXPECT_TRUE(table.dispatchShortcut(Modifier::Alt, 'P'));
    EXPECT_EQ(target.ran, std::vector{CommandId::Print});
    EXPECT_NE(table.pluginBinding(QStringLiteral("Plugin: Greet")), nullptr);
}

TEST_F(CommandTableTest, menuCaption_appendsTheShortcutAfterAHash)
{
    tabulet::lang::TextTable texts;
    texts.loadLanguageText("IDC_PRINT: Print\nID_BUTTONMENU_ALWAYSONTOP: Always on top\n");
    const FakeKeyNames names;

    EXPECT_EQ(table.menuCaption(texts, names, QStringLiteral("IDC_PRINT"), QStringLiteral("print")),
              QStringLiteral("Print#Ctrl+P"));
    EXPECT_EQ(table.menuCaption(texts, names, QStringLiteral("IDC_PRINT"), QString()), QStringLiteral("Print"));
    EXPECT_EQ(table.menuCaption(texts, names, QStringLiteral("IDC_PRINT"), QStringLiteral("noSuchCommand")),
              QStringLiteral("Print"));
    EXPECT_EQ(
        table.menuCaption(texts, names, QStringLiteral("ID_BUTTONMENU_ALWAYSONTOP"), QStringLiteral("windowOnTop")),
        QStringLiteral("Always on top#"));
}

} // namespace
