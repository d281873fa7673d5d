#include "app/commandline.h"

#include "printers.h"

#include <gtest/gtest.h>

using tabulet::app::CommandLine;
using tabulet::app::InformationRequest;
using tabulet::app::informationRequest;
using tabulet::app::parseCommandLine;

TEST(CommandLine, homedir_keepsTheCaseOfItsValue)
{
    const CommandLine line = parseCommandLine({"-homedir", "/home/Ann/Notes"});
    EXPECT_EQ(line.homeFolder, "/home/Ann/Notes");
    EXPECT_TRUE(line.languageFile.isEmpty());
}

TEST(CommandLine, switchNames_matchWithoutRegardToCase)
{
    const CommandLine line =
        parseCommandLine({"-HomeDir", "/a", "-LANGUAGE", "deutsch.tabulang", "-Theme", "x.tabutheme"});
    EXPECT_EQ(line.homeFolder, "/a");
    EXPECT_EQ(line.languageFile, "deutsch.tabulang");
    EXPECT_EQ(line.themeFile, "x.tabutheme");
}

TEST(CommandLine, onlyTheFirstPlainArgumentAfterASwitchCounts)
{
    const CommandLine line = parseCommandLine({"-language", "german.tabulang", "extra"});
    EXPECT_EQ(line.languageFile, "german.tabulang");
    EXPECT_TRUE(line.homeFolder.isEmpty());
    EXPECT_TRUE(line.themeFile.isEmpty());
}

TEST(CommandLine, unknownSwitch_isIgnoredAndTakesNoValue)
{
    const CommandLine line = parseCommandLine({"-homedir", "-verbose", "/tmp/x", "-language", "-q", "a.tabulang"});
    EXPECT_TRUE(line.homeFolder.isEmpty());
    EXPECT_TRUE(line.languageFile.isEmpty());
}

TEST(CommandLine, slash_beginsAPathNotASwitch)
{
    const CommandLine line = parseCommandLine({"/homedir", "/tmp/x", "-theme", "/usr/share/dark.tabutheme"});
    EXPECT_TRUE(line.homeFolder.isEmpty());
    EXPECT_EQ(line.themeFile, "/usr/share/dark.tabutheme");
}

TEST(CommandLine, laterSwitchReplacesAnEarlierValue)
{
    const CommandLine line = parseCommandLine({"-theme", "a.tabutheme", "-theme", "b.tabutheme"});
    EXPECT_EQ(line.themeFile, "b.tabutheme");
}

TEST(CommandLine, helpAndVersion_areRecognised)
{
    EXPECT_EQ(informationRequest({"--help"}), InformationRequest::Help);
    EXPECT_EQ(informationRequest({"-homedir", "/x", "--version"}), InformationRequest::Version);
    EXPECT_EQ(informationRequest({"-homedir", "--helpme"}), InformationRequest::None);
}
