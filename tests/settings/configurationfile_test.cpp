#include "configurationfixture.h"

#include <settings/configurationsection.h>
#include <settings/optiondefaults.h>

#include <QFileInfo>
#include <QXmlStreamReader>

#include <tinyxml2.h>

namespace tabulet::settings {
namespace {

// Stands for the command table: one "command" per binding it holds.
class FakeCommands final : public ConfigurationSection
{
public:
    void writeSection(tinyxml2::XMLElement &element) const override
    {
        for (const QByteArray &name : names)
            element.InsertNewChildElement("command")->SetAttribute("name", name.constData());
    }
    void readSection(const tinyxml2::XMLElement &element) override
    {
        names.clear();
        for (const tinyxml2::XMLElement *command = element.FirstChildElement("command"); command;
             command = command->NextSiblingElement("command"))
            names << command->Attribute("name");
    }

    QList<QByteArray> names;
};

class ConfigurationFileTest : public testing::ConfigurationFixture
{
protected:
    void loadDocument(const QByteArray &inner)
    {
        writeConfiguration(document(inner));
        result = configuration.load(false);
    }

    LoadResult result;
};

const char kExpectedDocument[] = R"(<?xml version="1.0" standalone="no" ?>
<!--This is the generated config file for Tabulet. Don't change unless you know exactly what you are doing-->
<config version="1.1">
    <options>
        <option key="autoformat" val="1"/>
        <option key="tabfont" val="Arial"/>
        <option key="tabfontsize" val="8"/>
        <option key="tabfontbold" val="0"/>
        <option key="tabfontitalics" val="0"/>
        <option key="tabheight" val="16"/>
        <option key="defaultfont" val="Courier"/>
        <option key="defaultfontsize" val="10"/>
        <option key="defaultfontbold" val="0"/>
        <option key="defaultfontitalics" val="0"/>
        <option key="selectedtab" val="0"/>
        <option key="checkfornewversiononstartup" val="0"/>
        <option key="savealways" val="0"/>
        <option key="showtooltips" val="1"/>
        <option key="confirmexit" val="1"/>
        <option key="wordwrap" val="1"/>
        <option key="activatekey" val="191"/>
        <option key="activatemod" val="SC"/>
        <option key="oneinstance" val="1"/>
        <option key="trayicon" val="0"/>
        <option key="languagefile" val="english.tabulang"/>
        <option key="bgcolor" val="91f3f9"/>
        <option key="w" val="450"/>
        <option key="h" val="200"/>
        <option key="x" val="0"/>
        <option key="y" val="0"/>
        <option key="customarchivedir" val=""/>
        <option key="usedefaultarchivedir" val="1"/>
        <option key="createarchiveinterval" val="15"/>
        <option key="deletearchiveinterval" val="200"/>
        <option key="autoarchive" val="1"/>
        <option key="deletearchive" val="0"/>
        <option key="lastarchiving" val="0"/>
        <option key="scriptdebug" val="0"/>
        <option key="silentautoarchive" val="1"/>
        <option key="theme" val="default"/>
        <option key="subtheme" val="full"/>
        <option key="overridetheme" val="1"/>
        <option key="awaitconnection" val="1"/>
        <option key="favorites" val=""/>
        <option key="sender" val=""/>
        <option key="port" val="1614"/>
        <option key="listenfornotes" val="0"/>
        <option key="listenaddress" val=""/>
        <option key="showtipsonstartup" val="1"/>
        <option key="currenttip" val="0"/>
    </options>
    <notes>
        <note id="0" title="Shopping &amp; more" filename="tab00001.rtf" visible="1" selection="12" preset="" usepreset="0">
            <titlecolor r="255" g="0" b="0"/>
        </note>
        <note id="1" title="Old" filename="tab00002.rtf" visible="0" selection="0" preset="Navy" usepreset="1">
            <bgcolor r="1" g="2" b="3"/>
            <font face="Verdana" size="12" bold="1" italics="0"/>
        </note>
    </notes>
    <plugins/>
    <commands>
        <command name="print"/>
    </commands>
    <presets>
        <preset name="Mine">
            <font face="Arial" size="10" bold="0" italics="1"/>
            <bgcolor r="10" g="20" b="30"/>
            <tabcolor r="40" g="50" b="60"/>
            <textcolor r="70" g="80" b="90"/>
        </preset>
    </presets>
</config>
)";

TEST_F(ConfigurationFileTest, save_writesTheDocumentLayoutExactly)
{
    settings.applyDefaults();
    settings.convertLegacyModifiers();
    settings.value(QStringLiteral("notAnOption")) = QStringLiteral("dropped");

    Note shopping;
    shopping.title = QStringLiteral("Shopping & more");
    shopping.fileName = QStringLiteral("tab00001.rtf");
    shopping.selection = 12;
    shopping.hasTitleColour = true;
    shopping.titleColour = colourFromRgb(255, 0, 0);
    shopping.hasTextColour = true;
    shopping.textColour = 0x123456;
    notes.append(shopping);
    Note old;
    old.title = QStringLiteral("Old");
    old.fileName = QStringLiteral("tab00002.rtf");
    old.visible = false;
    old.usePreset = true;
    old.preset = QStringLiteral("Navy");
    old.hasBackground = true;
    old.background = colourFromRgb(1, 2, 3);
    old.hasFont = true;
    old.font = FontRecord{QStringLiteral("Verdana"), 12, true, false};
    notes.append(old);

    while (!presets.isEmpty())
        presets.removePreset(presets[0].name);
    Preset mine;
    mine.name = QStringLiteral("Mine");
    mine.hasFont = true;
    mine.font.italic = true;
    mine.hasBackground = true;
    mine.background = colourFromRgb(10, 20, 30);
    mine.hasTabColour = true;
    mine.tabColour = colourFromRgb(40, 50, 60);
    mine.hasTextColour = true;
    mine.textColour = colourFromRgb(70, 80, 90);
    presets.addPreset(mine);

    FakeCommands commands;
    commands.names << "print";
    configuration.setCommandsSection(&commands);

    EXPECT_EQ(configuration.save(), SaveResult::Written);
    EXPECT_EQ(readFile(configuration.filePath()), QByteArray(kExpectedDocument));
}

TEST_F(ConfigurationFileTest, save_writesNothingWhenTheBytesWouldNotChange)
{
    settings.applyDefaults();
    ASSERT_EQ(configuration.save(), SaveResult::Written);
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(configuration.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(configuration.save(), SaveResult::Unchanged);
    EXPECT_EQ(QFileInfo(configuration.filePath()).lastModified(), longAgo);

    settings.value(QStringLiteral("wordwrap")) = QStringLiteral("0");
    EXPECT_EQ(configuration.save(), SaveResult::Written);
    EXPECT_NE(QFileInfo(configuration.filePath()).lastModified(), longAgo);
}

TEST_F(ConfigurationFileTest, save_isGuardedBySavingEnabledAndDoNotSave)
{
    configuration.setSavingEnabled(false);
    EXPECT_EQ(configuration.save(), SaveResult::Disabled);
    configuration.setSavingEnabled(true);
    configuration.setDoNotSave(true);
    EXPECT_EQ(configuration.save(), SaveResult::Disabled);
    EXPECT_FALSE(QFileInfo::exists(configuration.filePath()));
}

TEST_F(ConfigurationFileTest, save_reportsAFolderThatCannotBeWritten)
{
    folders.dataFolder = root.filePath(QStringLiteral("missing"));
    EXPECT_EQ(configuration.save(), SaveResult::Failed);
}

TEST_F(ConfigurationFileTest, load_readsBackWhatWasSaved)
{
    settings.applyDefaults();
    settings.convertLegacyModifiers();
    settings.value(QStringLiteral("sender")) = QStringLiteral("Jürgen <&> \"quoted\"");
    Note note;
    note.title = QStringLiteral("Ünïcode | title");
    note.fileName = QStringLiteral("tab00001.rtf");
    note.selection = 42;
    note.usePreset = true;
    note.preset = QStringLiteral("Dawn");
    note.hasFont = true;
    note.font = FontRecord{QStringLiteral("Noto Sans"), 14, false, true};
    notes.append(note);
    ASSERT_EQ(configuration.save(), SaveResult::Written);
    const QByteArray saved = readFile(configuration.filePath());

    notes.clear();
    settings.clear();
    const LoadResult loaded = configuration.load(false);
    EXPECT_TRUE(loaded.success);
    EXPECT_FALSE(loaded.damaged);
    EXPECT_EQ(settings.value(QStringLiteral("sender")), QStringLiteral("Jürgen <&> \"quoted\""));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].title, note.title);
    EXPECT_EQ(notes[0].selection, 42);
    EXPECT_TRUE(notes[0].usePreset);
    EXPECT_EQ(notes[0].preset, QStringLiteral("Dawn"));
    EXPECT_EQ(notes[0].font, note.font);
    EXPECT_EQ(presets.size(), 6);
    EXPECT_EQ(configuration.documentBytes(), saved);
}

TEST_F(ConfigurationFileTest, save_writesWellFormedXmlForAnyTextAndReadsItBack)
{
    const QString allControls = [] {
        QString text;
        for (char16_t code = 1; code < 0x20; ++code)
            text += QChar(code);
        return text;
    }();
    const QString texts[] = {
        allControls,
        QStringLiteral("bell\a, escape\x1b[31m"),
        QStringLiteral("line\r\nbreak\rreturn"),
        QStringLiteral("non-characters \uFFFE\uFFFF end"),
    };
    settings.applyDefaults();
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toUtf8().toPercentEncoding().constData());
        notes.clear();
        Note note;
        note.title = text;
        note.fileName = QStringLiteral("tab00001.rtf");
        note.preset = text;
        notes.append(note);
        settings.value(QStringLiteral("sender")) = text;
        ASSERT_EQ(configuration.save(), SaveResult::Written);

        QXmlStreamReader reader(readFile(configuration.filePath()));
        while (!reader.atEnd())
            reader.readNext();
        EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();

        notes.clear();
        settings.clear();
        ASSERT_TRUE(configuration.load(false).success);
        ASSERT_EQ(notes.size(), 1);
        // Only the two non-characters, which no XML document may hold, do not come back.
        QString expected = text;
        expected.replace(QChar(0xFFFE), QChar(0xFFFD)).replace(QChar(0xFFFF), QChar(0xFFFD));
        EXPECT_EQ(notes[0].title, expected);
        EXPECT_EQ(notes[0].preset, expected);
        EXPECT_EQ(settings.value(QStringLiteral("sender")), expected);
    }
}

TEST_F(ConfigurationFileTest, load_optionsOnlyLeavesNotesAndPresets)
{
    Note kept;
    kept.title = QStringLiteral("kept");
    notes.append(kept);
    writeConfiguration(document(R"(<options><option key="wordwrap" val="0"/></options>
        <notes><note title="other"/></notes><presets><preset name="Only"/></presets>)"));
    const LoadResult loaded = configuration.load(true);
    EXPECT_TRUE(loaded.success);
    EXPECT_EQ(settings.value(QStringLiteral("wordwrap")), QStringLiteral("0"));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].title, QStringLiteral("kept"));
    EXPECT_EQ(presets.size(), 6);
}

TEST_F(ConfigurationFileTest, load_optionRules)
{
    loadDocument(R"(<options>
        <option key="wordwrap" val=""/>
        <option key="confirmexit"/>
        <option key="tabheight" val="22"/>
        <option key="misspelt" val="x"/>
        <option val="orphan"/>
        <option key="activatemod" val="6"/>
      </options><notes/>)");
    EXPECT_TRUE(result.success);
    EXPECT_EQ(settings.value(QStringLiteral("wordwrap")), QStringLiteral("1"));
    EXPECT_EQ(settings.value(QStringLiteral("confirmexit")), QStringLiteral("1"));
    EXPECT_EQ(settings.value(QStringLiteral("tabheight")), QStringLiteral("22"));
    EXPECT_EQ(settings.value(QStringLiteral("misspelt")), QStringLiteral("x"));
    EXPECT_EQ(settings.value(QStringLiteral("activatemod")), QStringLiteral("AC"));
    EXPECT_FALSE(configuration.documentBytes().contains("misspelt"));
}

TEST_F(ConfigurationFileTest, load_noteRules)
{
    loadDocument(R"(<options/><notes>
        <note title="absent"/>
        <note title="zero" visible="0"/>
        <note title="negative" visible="-1"/>
        <note title="word" visible="yes" selection="abc" usepreset="2"/>
        <note title="colours" filename="../../escape.rtf"><titlecolor r="1" g="2" b="3"/>
          <bgcolor r="x" g="-4" b="300"/><font face="Courier"/></note>
      </notes>)");
    ASSERT_EQ(notes.size(), 5);
    EXPECT_TRUE(notes[0].visible);
    EXPECT_FALSE(notes[1].visible);
    EXPECT_FALSE(notes[2].visible);
    EXPECT_FALSE(notes[3].visible);
    EXPECT_EQ(notes[3].selection, 0);
    EXPECT_TRUE(notes[3].usePreset);
    const Note &colours = notes[4];
    EXPECT_EQ(colours.fileName, QStringLiteral("escape.rtf"));
    EXPECT_TRUE(colours.hasTitleColour);
    EXPECT_EQ(colours.titleColour, 0x030201u);
    EXPECT_TRUE(colours.hasBackground);
    EXPECT_EQ(colours.background, 0xff0000u);
    EXPECT_TRUE(colours.hasFont);
    EXPECT_EQ(colours.font, (FontRecord{QStringLiteral("Courier"), 10, false, false}));
    EXPECT_FALSE(notes[0].hasFont);
    EXPECT_FALSE(notes[0].hasTitleColour);
    EXPECT_EQ(notes[0].fileName, QStringLiteral("tab00001.rtf"));
    EXPECT_EQ(notes[3].fileName, QStringLiteral("tab00004.rtf"));
}

TEST_F(ConfigurationFileTest, load_readsWindows1252Files)
{
    loadDocument(
        "<options><option key=\"sender\" val=\"J\xfcrgen\"/></options><notes><note title=\"Gr\xfc\xdf\x65\"/></notes>");
    EXPECT_EQ(settings.value(QStringLiteral("sender")), QStringLiteral("Jürgen"));
    EXPECT_EQ(notes[0].title, QStringLiteral("Grüße"));
}

TEST_F(ConfigurationFileTest, load_handsSectionsToTheirModules)
{
    FakeCommands commands;
    configuration.setCommandsSection(&commands);
    loadDocument(R"(<options/><notes/><commands><command name="print" key="80" mod="CS"/></commands>)");
    EXPECT_EQ(commands.names, QList<QByteArray>({"print"}));
}

TEST_F(ConfigurationFileTest, load_keepsPluginDataWithoutAPluginHost)
{
    const QByteArray plugins =
        R"(<plugins><plugin file="wordcount.lua" enabled="1"><data key="k">text</data></plugin><!--c--></plugins>)";
    loadDocument("<options/><notes/>" + plugins);
    EXPECT_TRUE(configuration.documentBytes().contains(
        "    <plugins>\n        <plugin file=\"wordcount.lua\" enabled=\"1\">\n"
        "            <data key=\"k\">text</data>\n        </plugin>\n        <!--c-->\n    </plugins>\n"));

    loadDocument("<options/><notes/>");
    EXPECT_TRUE(configuration.documentBytes().contains("    <plugins/>\n"));
}

TEST_F(ConfigurationFileTest, load_tellsTheArchiverAndTheTheme)
{
    QString archiveFolder;
    bool useDefault = true;
    QStringList themes;
    configuration.setArchiveFolderHandler([&](const QString &folder, bool defaultFolder) {
        archiveFolder = folder;
        useDefault = defaultFolder;
    });
    configuration.setThemeNameHandler([&](const QString &theme) { themes << theme; });
    writeConfiguration(document(R"(<options><option key="customarchivedir" val="/backup"/>
        <option key="usedefaultarchivedir" val="0"/><option key="theme" val="glass"/></options><notes/>)"));
    configuration.load(true);
    EXPECT_EQ(archiveFolder, QStringLiteral("/backup"));
    EXPECT_FALSE(useDefault);
    EXPECT_TRUE(themes.isEmpty());
    configuration.load(false);
    EXPECT_EQ(themes, QStringList({"glass"}));
}

} // namespace
} // namespace tabulet::settings
