#include "casename.h"
#include "configurationfixture.h"

#include <settings/legacyini.h>

#include <QFileInfo>

namespace tabulet::settings {
namespace {

struct OptionLineCase
{
    const char *name;
    const char *line;
    const char *key;
    const char *value;
};

class LegacyOptionLine : public ::testing::TestWithParam<OptionLineCase>
{
};

TEST_P(LegacyOptionLine, setsTheOptionTheOldReaderSet)
{
    Settings settings;
    NoteList notes;
    readLegacyIni(QByteArray(GetParam().line), settings, notes);
    EXPECT_EQ(settings.value(QString::fromLatin1(GetParam().key)), QString::fromLatin1(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LegacyOptionLine,
    ::testing::Values(OptionLineCase{"plain", "wordwrap = 0", "wordwrap", "0"},
                      OptionLineCase{"lowerCasedAndCommentCut", "WordWrap = 0 # old", "wordwrap", "0"},
                      OptionLineCase{"noBlankLosesLastLetter", "wordwrap=0", "wordwra", "0"},
                      OptionLineCase{"windowsLineEnd", "port = 2000\r", "port", "2000"},
                      OptionLineCase{"valueKeepsInnerEquals", "sender = a=b", "sender", "a=b"},
                      OptionLineCase{"valueKeepsInnerBlanks", "sender =  Jo  Doe  ", "sender", "Jo  Doe"}),
    testing::caseName<OptionLineCase>);

TEST(LegacyIni, skipsCommentsBlankLinesAndLinesWithoutEquals)
{
    Settings settings;
    NoteList notes;
    readLegacyIni("# whole comment = x\n\n   \njust text\n= lonely\ntrayicon = 1\n", settings, notes);
    EXPECT_EQ(settings.value(QStringLiteral("trayicon")), QStringLiteral("1"));
    EXPECT_FALSE(settings.contains(QStringLiteral("# whole comment")));
    EXPECT_FALSE(settings.contains(QStringLiteral("just text")));
}

struct NoteValueCase
{
    const char *name;
    const char *value;
    bool visible;
    const char *fileName;
    const char *title;
    int titleColour; // -1: none
};

class LegacyNoteValue : public ::testing::TestWithParam<NoteValueCase>
{
};

TEST_P(LegacyNoteValue, repairsMissingFields)
{
    Settings settings;
    NoteList notes;
    readLegacyIni("tab00 = " + QByteArray(GetParam().value) + "\n", settings, notes);
    ASSERT_EQ(notes.size(), 1);
    const Note &note = notes[0];
    EXPECT_EQ(note.visible, GetParam().visible);
    EXPECT_EQ(note.fileName, QString::fromLatin1(GetParam().fileName));
    EXPECT_EQ(note.title, QString::fromLatin1(GetParam().title));
    EXPECT_EQ(note.hasTitleColour, GetParam().titleColour >= 0);
    if (note.hasTitleColour) {
        EXPECT_EQ(note.titleColour, static_cast<Colour>(GetParam().titleColour));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, LegacyNoteValue,
    ::testing::Values(NoteValueCase{"allFields", "1|255,0,0|tab00003.rtf|Shopping", true, "tab00003.rtf", "Shopping",
                                    0x0000ff},
                      NoteValueCase{"noFlagNoColour", "note.rtf|Old", true, "note.rtf", "Old", -1},
                      NoteValueCase{"hiddenNoColour", "0|tab1.rtf|Hidden", false, "tab1.rtf", "Hidden", -1},
                      NoteValueCase{"emptyColour", "1||tab2.rtf| Spaced ", true, "tab2.rtf", "Spaced", -1},
                      NoteValueCase{"twoChannelsIgnored", "1|1,2|tab3.rtf|Two", true, "tab3.rtf", "Two", -1},
                      NoteValueCase{"channelsClamped", "1|999,-1,abc|tab4.rtf|Odd", true, "tab4.rtf", "Odd", 0x0000ff},
                      NoteValueCase{"oneCharacterOtherThanOne", "x|tab5.rtf|Off", false, "tab5.rtf", "Off", -1},
                      NoteValueCase{"titleWithBar", "1|0,0,0|tab6.rtf|Pros | cons", true, "tab6.rtf", "Pros | cons", 0},
                      NoteValueCase{"flagOnly", "1", true, "", "", -1},
                      NoteValueCase{"pathCutToName", "1|0,0,0|..\\..\\boot.ini|Bad", true, "boot.ini", "Bad", 0}),
    testing::caseName<NoteValueCase>);

TEST(LegacyIni, oldSingleDigitNoteOptionsMoveToTwoDigits)
{
    Settings settings;
    NoteList notes;
    readLegacyIni("tab1 = 1|0,0,0|b.rtf|B\ntab0 = 1|0,0,0|a.rtf|A\ntab10 = 1|0,0,0|c.rtf|C\n", settings, notes);
    EXPECT_TRUE(settings.value(QStringLiteral("tab1")).isEmpty());
    EXPECT_EQ(settings.value(QStringLiteral("tab01")), QStringLiteral("1|0,0,0|b.rtf|B"));
    ASSERT_EQ(notes.size(), 3);
    EXPECT_EQ(notes[0].title, QStringLiteral("A"));
    EXPECT_EQ(notes[1].title, QStringLiteral("B"));
    EXPECT_EQ(notes[2].title, QStringLiteral("C"));
}

TEST(LegacyIni, readsWindows1252Text)
{
    Settings settings;
    NoteList notes;
    readLegacyIni("tab00 = 1|0,0,0|a.rtf|Einkaufsliste f\xfcr M\xe4rz\n", settings, notes);
    EXPECT_EQ(notes[0].title, QStringLiteral("Einkaufsliste für März"));
}

using LegacyConfiguration = testing::ConfigurationFixture;

TEST_F(LegacyConfiguration, load_readsTheLegacyFileWhenNoConfigurationExists)
{
    writeFile(dataPath(QStringLiteral("tbu.ini")), "wordwrap = 0\nactivatemod = 5\ntab00 = note.rtf|Old\n");
    const LoadResult result = configuration.load(false);
    EXPECT_TRUE(result.success);
    EXPECT_FALSE(configuration.isFirstRun());
    EXPECT_EQ(settings.value(QStringLiteral("wordwrap")), QStringLiteral("0"));
    EXPECT_EQ(settings.value(QStringLiteral("activatemod")), QStringLiteral("AS"));
    EXPECT_EQ(settings.value(QStringLiteral("confirmexit")), QStringLiteral("1"));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].title, QStringLiteral("Old"));

    ASSERT_EQ(configuration.save(), SaveResult::Written);
    const QByteArray saved = readFile(configuration.filePath());
    EXPECT_TRUE(saved.contains("title=\"Old\" filename=\"note.rtf\""));
    EXPECT_FALSE(saved.contains("tab00"));
}

TEST_F(LegacyConfiguration, load_prefersTheConfigurationOverTheLegacyFile)
{
    writeFile(dataPath(QStringLiteral("tbu.ini")), "wordwrap = 0\n");
    writeConfiguration(document(R"(<options><option key="wordwrap" val="1"/></options><notes/>)"));
    configuration.load(false);
    EXPECT_EQ(settings.value(QStringLiteral("wordwrap")), QStringLiteral("1"));
}

TEST_F(LegacyConfiguration, migration_movesTheLegacyFileAndNotesFromTheProgramFolder)
{
    writeFile(programPath(QStringLiteral("tbu.ini")), "tab00 = 1|0,0,0|tab00001.rtf|Moved\n");
    writeFile(programPath(QStringLiteral("tab00001.rtf")), "{\\rtf1 moved}");
    writeFile(programPath(QStringLiteral("readme.txt")), "stays");
    const LoadResult result = configuration.load(true);
    EXPECT_TRUE(result.success);
    EXPECT_FALSE(configuration.isFirstRun());
    EXPECT_EQ(readFile(dataPath(QStringLiteral("tab00001.rtf"))), QByteArray("{\\rtf1 moved}"));
    EXPECT_TRUE(QFileInfo::exists(dataPath(QStringLiteral("tbu.ini"))));
    EXPECT_FALSE(QFileInfo::exists(programPath(QStringLiteral("tbu.ini"))));
    EXPECT_TRUE(QFileInfo::exists(programPath(QStringLiteral("readme.txt"))));
    EXPECT_EQ(notes[0].title, QStringLiteral("Moved"));
}

TEST_F(LegacyConfiguration, migration_leavesALegacyFileInTheDataFolderAlone)
{
    writeFile(dataPath(QStringLiteral("tbu.ini")), "wordwrap = 0\n");
    writeFile(programPath(QStringLiteral("tbu.ini")), "wordwrap = 1\n");
    writeFile(programPath(QStringLiteral("tab00001.rtf")), "x");
    configuration.load(true);
    EXPECT_EQ(settings.value(QStringLiteral("wordwrap")), QStringLiteral("0"));
    EXPECT_TRUE(QFileInfo::exists(programPath(QStringLiteral("tab00001.rtf"))));
}

} // namespace
} // namespace tabulet::settings
