#include "commands/commandcaption.h"

#include "lang/texttable.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tabulet;
using namespace tabulet::commands;

namespace {

struct MenuText
{
    const char *menuText;
    const char *caption;
};

class PlainCaption : public testing::TestWithParam<MenuText>
{
};

TEST_P(PlainCaption, isTheMenuTextWithoutMarksShortcutOrEllipsis)
{
    EXPECT_EQ(plainCaption(QString::fromUtf8(GetParam().menuText)), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainCaption,
                         testing::Values(MenuText{"Bold", "Bold"}, MenuText{"&Print...", "Print"},
                                         MenuText{"Replace &All", "Replace All"},
                                         MenuText{"Fonts && Colours", "Fonts & Colours"}, MenuText{"&&&Save", "&Save"},
                                         MenuText{"Copy\tCtrl+C", "Copy"}, MenuText{"Copy#Ctrl + C", "Copy"},
                                         MenuText{"Options…", "Options"},
                                         MenuText{"Wait... then go", "Wait... then go"},
                                         MenuText{"Export Note As ...\tCtrl+E", "Export Note As"},
                                         MenuText{"End&", "End"}, MenuText{"", ""}, MenuText{"...", ""}));

const CommandDefinition &definitionOf(const char *name)
{
    return *std::find_if(kCommandDefinitions.begin(), kCommandDefinitions.end(),
                         [name](const CommandDefinition &definition) { return qstrcmp(definition.name, name) == 0; });
}

// Every listed command gets a name from the language file, those without a menu item included;
// a file that lacks the text leaves the table name rather than an empty row.
TEST(CommandCaption, comesFromTheLanguageElseTheTableName)
{
    lang::TextTable texts;
    texts.loadLanguageText("IDC_OPTIONS: &Optionen...\nCOMMAND_NEXTTAB: Nächster Tab\n"
                           "COMMAND_SEARCHPREV: Rückwärts weitersuchen\n");
    EXPECT_EQ(commandCaption(definitionOf("showOptions"), texts), QStringLiteral("Optionen"));
    EXPECT_EQ(commandCaption(definitionOf("changeToNextTab"), texts), QStringLiteral("Nächster Tab"));
    EXPECT_EQ(commandCaption(definitionOf("changeToNextTab1"), texts), QStringLiteral("Nächster Tab"));
    EXPECT_EQ(commandCaption(definitionOf("searchPrev"), texts), QStringLiteral("Rückwärts weitersuchen"));
    EXPECT_EQ(commandCaption(definitionOf("makeSelectionBold"), texts), QStringLiteral("makeSelectionBold"));
    EXPECT_EQ(commandCaption(definitionOf("changeToPrevTab"), texts), QStringLiteral("changeToPrevTab"));
}

TEST(CommandCaption, everyListedCommandHasItsOwnNameInTheShippedLanguages)
{
    for (const char *file : {"english.tabulang", "deutsch.tabulang"}) {
        lang::TextTable texts;
        ASSERT_TRUE(
            texts.loadLanguageFile(QStringLiteral(TABULET_SOURCE_DIR "/resources/languages/") + QLatin1String(file)));
        QStringList captions;
        for (const CommandDefinition &definition : kCommandDefinitions) {
            if (!definition.listed)
                continue;
            const QString caption = commandCaption(definition, texts);
            EXPECT_NE(caption, QLatin1String(definition.name)) << file << " " << definition.name;
            EXPECT_FALSE(captions.contains(caption)) << file << " " << caption.toStdString();
            captions.append(caption);
        }
    }
}

} // namespace
