#include "launch/switches.h"

#include <gtest/gtest.h>

using tabulet::launch::Switches;
using tabulet::launch::InformationRequest;
using tabulet::launch::informationRequest;
using tabulet::launch::parseSwitches;

TEST(Switches, homedir_keepsTheCaseOfItsValue)
{
    const Switches line = parseSwitches({"-homedir", "/home/Ann/Notes"});
    EXPECT_EQ(line.homeFolder, "/home/Ann/Notes");
    EXPECT_TRUE(line.languageFile.empty());
}

TEST(Switches, switchNames_matchWithoutRegardToCase)
{
    const Switches line =
        parseSwitches({"-HomeDir", "/a", "-LANGUAGE", "deutsch.tabulang", "-Theme", "x.tabutheme"});
    EXPECT_EQ(line.homeFolder, "/a");
    EXPECT_EQ(line.languageFile, "deutsch.tabulang");
    EXPECT_EQ(line.themeFile, "x.tabutheme");
}

TEST(Switches, onlyTheFirstPlainArgumentAfterASwitchCounts)
{
    const Switches line = parseSwitches({"-language", "german.tabulang", "extra"});
    EXPECT_EQ(line.languageFile, "german.tabulang");
    EXPECT_TRUE(line.homeFolder.empty());
    EXPECT_TRUE(line.themeFile.empty());
}

TEST(Switches, unknownSwitch_isIgnoredAndTakesNoValue)
{
    const Switches line = parseSwitches({"-homedir", "-verbose", "/tmp/x", "-language", "-q", "a.tabulang"});
    EXPECT_TRUE(line.homeFolder.empty());
    EXPECT_TRUE(line.languageFile.empty());
}

TEST(Switches, slash_beginsAPathNotASwitch)
{
    const Switches line = parseSwitches({"/homedir", "/tmp/x", "-theme", "/usr/share/dark.tabutheme"});
    EXPECT_TRUE(line.homeFolder.empty());
    EXPECT_EQ(line.themeFile, "/usr/share/dark.tabutheme");
}

TEST(Switches, laterSwitchReplacesAnEarlierValue)
{
    const Switches line = parseSwitches({"-theme", "a.tabutheme", "-theme", "b.tabutheme"});
    EXPECT_EQ(line.themeFile, "b.tabutheme");
}

TEST(Switches, helpAndVersion_areRecognised)
{
    EXPECT_EQ(informationRequest({"--help"}), InformationRequest::Help);
    EXPECT_EQ(informationRequest({"-homedir", "/x", "--version"}), InformationRequest::Version);
    EXPECT_EQ(informationRequest({"-homedir", "--helpme"}), InformationRequest::None);
}
