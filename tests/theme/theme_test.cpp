#include "theme/theme.h"

#include "casename.h"
#include "commands/commandtable.h"
#include "packagebuilder.h"
#include "printers.h"
#include "settings/folderset.h"
#include "settings/settings.h"
#include "theme/themelist.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace tabulet::theme {
namespace {

using test::bmp;
using test::configXml;
using test::Member;
using test::subthemeXml;

class ThemeLoad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folders.themesFolder = root.filePath("user/themes");
        folders.programFolder = root.filePath("program");
        QDir().mkpath(folders.themesFolder);
        QDir().mkpath(folders.programThemesFolder());
    }

    void install(const QString &name, const std::vector<Member> &members, bool perUser = true)
    {
        const QString folder = perUser ? folders.themesFolder : folders.programThemesFolder();
        test::writePackage(folder + "/" + name + ".tabutheme", members);
    }

    LoadResult load(const QString &name) { return theme.loadTheme(name, folders, settings, commandTable); }

    QTemporaryDir root;
    settings::FolderSet folders;
    settings::Settings settings;
    commands::CommandTable commandTable;
    Theme theme;
};

TEST_F(ThemeLoad, unknownStoredSubthemeGivesTheFirstTitleAndStoresIt)
{
    install("seasons", {{"config.xml", configXml(subthemeXml("blue") + subthemeXml("Autumn"))}});
    settings.value("subtheme") = "green";
    const LoadResult result = load("seasons");
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.problems.isEmpty());
    EXPECT_EQ(theme.currentTitle(), "Autumn");
    EXPECT_EQ(settings.value("subtheme"), "Autumn");
    EXPECT_EQ(settings.value("theme"), "seasons");
    EXPECT_EQ(theme.name(), "seasons");
    EXPECT_EQ(theme.listSubthemes(), QStringList({"Autumn", "blue"}));
}

TEST_F(ThemeLoad, storedSubthemeIsKept)
{
    install("seasons", {{"config.xml", configXml(subthemeXml("blue") + subthemeXml("Autumn"))}});
    settings.value("subtheme") = "blue";
    ASSERT_TRUE(load("seasons").ok);
    EXPECT_EQ(theme.currentTitle(), "blue");
}

TEST_F(ThemeLoad, readsPicturesOfTheCurrentSubthemeWithTheirSizes)
{
    const QByteArray xml = configXml(subthemeXml(
        "full", "<bitmaps><bitmap img=\"top.bmp\" mask=\"mask.bmp\" x1=\"0\" y1=\"0\" x2=\"-1\" y2=\"20\"/>"
                "<bitmap img=\"gone.bmp\"/><bitmap/></bitmaps>"
                "<buttons><button cmd=\"exit\"><state name=\"normal\"><bitmap img=\"exit.bmp\"/></state></button>"
                "<button cmd=\"nothing\"><state name=\"normal\"><bitmap img=\"absent.bmp\"/></state></button></buttons>"
                "<combinedBitmaps><combinedBitmap name=\"tab_normal\"><bitmap img=\"tab.bmp\"/></combinedBitmap>"
                "</combinedBitmaps>"));
    install("full", {{"config.xml", xml},
                     {"top.bmp", bmp(4, 20)},
                     {"mask.bmp", bmp(4, 20, 0)},
                     {"exit.bmp", bmp(16, 14)},
                     {"tab.bmp", bmp(3, 18)}});
    const LoadResult result = load("full");
    EXPECT_TRUE(result.ok);
    // Buttons without a command read no pictures, so only the missing plain bitmap is reported.
    EXPECT_EQ(result.problems, QStringList({"gone.bmp: unable to open file"}));

    const Subtheme *full = theme.current();
    ASSERT_TRUE(full);
    ASSERT_TRUE(full->bitmaps[0].picture);
    EXPECT_EQ(full->bitmaps[0].picture->size, QSize(4, 20));
    EXPECT_EQ(full->bitmaps[0].picture->image, bmp(4, 20));
    EXPECT_EQ(full->bitmaps[0].picture->mask, bmp(4, 20, 0));
    EXPECT_FALSE(full->bitmaps[1].picture);
    EXPECT_FALSE(full->bitmaps[2].picture);
    EXPECT_EQ(full->buttons[0].size(), QSize(16, 14));
    EXPECT_TRUE(full->combinedBitmap("tab_normal")->bitmaps[0].picture);

    theme.releaseTheme();
    EXPECT_FALSE(theme.current()->bitmaps[0].picture);
    EXPECT_EQ(theme.current()->buttons[0].size(), QSize(0, 0));
}

TEST_F(ThemeLoad, windowsNamedPictureIsFoundUnderItsUtf8Name)
{
    install("w", {{"config.xml", configXml(subthemeXml("a", "<bitmaps><bitmap img=\"caf\xe9.bmp\"/></bitmaps>"))},
                  {"caf\xc3\xa9.bmp", bmp(2, 2)}});
    const LoadResult result = load("w");
    EXPECT_TRUE(result.problems.isEmpty()) << result.problems.join('|').toStdString();
    EXPECT_TRUE(theme.current()->bitmaps.at(0).picture);
}

TEST_F(ThemeLoad, missingMaskLeavesThePictureWithoutOne)
{
    install("m",
            {{"config.xml", configXml(subthemeXml("a", "<bitmaps><bitmap img=\"a.bmp\" mask=\"no.bmp\"/></bitmaps>"))},
             {"a.bmp", bmp(2, 2)}});
    const LoadResult result = load("m");
    EXPECT_TRUE(result.problems.isEmpty());
    ASSERT_TRUE(theme.current()->bitmaps[0].picture);
    EXPECT_TRUE(theme.current()->bitmaps[0].picture->mask.isEmpty());
}

// A picture costs its decoded pixels, however few bytes its compressed file takes: an RLE
// header claiming 4096 x 4096 counts 64 MiB, so the 256 MiB budget takes three of them.
TEST_F(ThemeLoad, decodedPicturesCountAgainstThePackagesBudget)
{
    QByteArray rle = bmp(1, 1);
    auto *header = reinterpret_cast<uchar *>(rle.data());
    qToLittleEndian<qint32>(4096, header + 18);
    qToLittleEndian<qint32>(4096, header + 22);
    qToLittleEndian<quint16>(8, header + 28);
    qToLittleEndian<quint32>(1, header + 30); // RLE8
    QByteArray bitmaps;
    std::vector<Member> members;
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "rle" + QByteArray::number(i) + ".bmp";
        bitmaps += "<bitmap img=\"" + name + "\"/>";
        members.push_back({name, rle});
    }
    members.push_back({"config.xml", configXml(subthemeXml("a", "<bitmaps>" + bitmaps + "</bitmaps>"))});
    install("bomb", members);
    const LoadResult result = load("bomb");
    EXPECT_EQ(result.problems, QStringList({"rle3.bmp: picture too large", "rle4.bmp: picture too large"}));
    EXPECT_TRUE(theme.current()->bitmaps[2].picture);
    EXPECT_FALSE(theme.current()->bitmaps[3].picture);
}

TEST_F(ThemeLoad, longMemberNameIsElidedInItsProblem)
{
    const QByteArray name = "start" + QByteArray(20 * 1024 * 1024, 'x') + "end.bmp";
    install("long", {{"config.xml", configXml(subthemeXml("a", "<bitmaps><bitmap img=\"" + name + "\"/></bitmaps>"))}});
    const LoadResult result = load("long");
    ASSERT_EQ(result.problems.size(), 1);
    EXPECT_LT(result.problems[0].size(), 100);
    EXPECT_TRUE(result.problems[0].startsWith("startxxx"));
    EXPECT_TRUE(result.problems[0].endsWith(QString::fromUtf8("xxxend.bmp: unable to open file")));
}

struct MinimumSizeCase
{
    const char *name;
    QByteArray minsize;
    QSize screen;
    QSize expected;
};

class ThemeMinimumSize : public ThemeLoad, public ::testing::WithParamInterface<MinimumSizeCase>
{
};

TEST_P(ThemeMinimumSize, neverExceedsTheScreen)
{
    install("sized", {{"config.xml", configXml("<theme title=\"a\"><config>" + GetParam().minsize +
                                               "</config><buttons/><combinedBitmaps/></theme>")}});
    ASSERT_TRUE(load("sized").ok);
    EXPECT_EQ(theme.minimumSize(GetParam().screen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ThemeMinimumSize,
    ::testing::Values(
        MinimumSizeCase{"fitting", "<minsize width=\"300\" height=\"200\"/>", {1920, 1050}, {300, 200}},
        MinimumSizeCase{"huge", "<minsize width=\"1048576\" height=\"1048576\"/>", {1920, 1050}, {1920, 1050}},
        MinimumSizeCase{"tooWideOnly", "<minsize width=\"5000\" height=\"200\"/>", {1920, 1050}, {1920, 200}},
        MinimumSizeCase{"none", "", {1920, 1050}, {0, 0}},
        MinimumSizeCase{"noScreenSize", "<minsize width=\"300\" height=\"200\"/>", {-1, -1}, {0, 0}}),
    test::caseName<MinimumSizeCase>);

struct FailedLoadCase
{
    const char *name;
    std::vector<Member> members; // empty: no package file at all
    QStringList problems;
};

class ThemeLoadFails : public ThemeLoad, public ::testing::WithParamInterface<FailedLoadCase>
{
};

TEST_P(ThemeLoadFails, withTheMessageAndTheNameStillStored)
{
    if (!GetParam().members.empty())
        install("broken", GetParam().members);
    const LoadResult result = load("broken");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.problems, GetParam().problems);
    EXPECT_EQ(settings.value("theme"), "broken");
}

INSTANTIATE_TEST_SUITE_P(
    Packages, ThemeLoadFails,
    ::testing::Values(FailedLoadCase{"missingFile", {}, {"could not laod theme: broken"}},
                      FailedLoadCase{"withoutConfigXml", {{"other.xml", "<a/>"}}, {"could not laod theme: broken"}},
                      FailedLoadCase{"configInASubfolder",
                                     {{"sub/config.xml", configXml(subthemeXml("a"))}},
                                     {"could not laod theme: broken"}},
                      FailedLoadCase{"subthemeWithoutButtons",
                                     {{"config.xml", configXml("<theme><config/><combinedBitmaps/></theme>")}},
                                     {"Theme has no title!", "could not laod theme: broken"}},
                      FailedLoadCase{"noSubthemes", {{"config.xml", configXml("")}}, {"could not laod theme: broken"}}),
    test::caseName<FailedLoadCase>);

TEST_F(ThemeLoad, failedLoadReplacesThePreviousTheme)
{
    install("good", {{"config.xml", configXml(subthemeXml("a"))}});
    ASSERT_TRUE(load("good").ok);
    EXPECT_FALSE(load("absent").ok);
    EXPECT_FALSE(theme.current());
    EXPECT_TRUE(theme.listSubthemes().isEmpty());
    EXPECT_TRUE(theme.paintTheme().empty());
    EXPECT_EQ(theme.minimumSize(QSize(1024, 768)), QSize(0, 0));
}

TEST_F(ThemeLoad, themeDeletedAfterListingFailsToLoad)
{
    install("last", {{"config.xml", configXml(subthemeXml("a"))}});
    ASSERT_EQ(listThemes(folders), QStringList({"last"}));
    QFile::remove(folders.themesFolder + "/last.tabutheme");
    EXPECT_EQ(load("last").problems, QStringList({"could not laod theme: last"}));
}

TEST_F(ThemeLoad, perUserThemeWinsOverTheProgramsOfTheSameName)
{
    install("default", {{"config.xml", configXml(subthemeXml("program"))}}, false);
    ASSERT_TRUE(load("default").ok);
    EXPECT_EQ(theme.currentTitle(), "program");
    install("default", {{"config.xml", configXml(subthemeXml("user"))}}, true);
    ASSERT_TRUE(load("default").ok);
    EXPECT_EQ(theme.currentTitle(), "user");
}

TEST_F(ThemeLoad, selectSubthemeSwitchesStoresAndReadsItsPictures)
{
    install("two", {{"config.xml", configXml(subthemeXml("compact") +
                                             subthemeXml("full", "<bitmaps><bitmap img=\"f.bmp\"/></bitmaps>"))},
                    {"f.bmp", bmp(5, 6)}});
    ASSERT_TRUE(load("two").ok);
    ASSERT_EQ(theme.currentTitle(), "compact");

    const LoadResult result = theme.selectSubtheme("full", settings);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(theme.currentTitle(), "full");
    EXPECT_EQ(settings.value("subtheme"), "full");
    ASSERT_TRUE(theme.current()->bitmaps[0].picture);
    EXPECT_EQ(theme.current()->bitmaps[0].picture->size, QSize(5, 6));

    EXPECT_FALSE(theme.selectSubtheme("none", settings).ok);
    EXPECT_EQ(theme.currentTitle(), "full");
    EXPECT_EQ(settings.value("subtheme"), "full");
}

TEST_F(ThemeLoad, layoutIsRedoneForTheNewSubthemeAtTheLastWindowSize)
{
    install("two",
            {{"config.xml",
              configXml(
                  subthemeXml("a", "<rects><rect name=\"textfield\" x1=\"1\" y1=\"1\" x2=\"-2\" y2=\"-2\"/></rects>") +
                  subthemeXml("b", "<bitmaps><bitmap img=\"b.bmp\" x2=\"-1\" y2=\"-1\"/></bitmaps>"))},
             {"b.bmp", bmp(2, 2)}});
    ASSERT_TRUE(load("two").ok);
    theme.layoutTheme(Rect{0, 0, 200, 100});
    EXPECT_EQ(theme.findRect("textfield"), (Rect{1, 1, 199, 99}));
    EXPECT_EQ(theme.findRect("ROOT"), (Rect{0, 0, 200, 100}));

    ASSERT_TRUE(theme.selectSubtheme("b", settings).ok);
    EXPECT_FALSE(theme.findRect("textfield"));
    EXPECT_EQ(theme.findRect("textfield", Rect{0, 0, 10, 10}), std::nullopt);
    const std::vector<PaintStep> steps = theme.paintTheme();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].destination, (Rect{0, 0, 200, 100}));
    EXPECT_EQ(steps[0].bitmap, &theme.current()->bitmaps[0]);
}

TEST_F(ThemeLoad, listMergesBothFoldersPerUserFirstEachSortedOnce)
{
    install("zeta", {{"config.xml", "x"}}, true);
    install("dark", {{"config.xml", "x"}}, true);
    install("default", {{"config.xml", "x"}}, false);
    install("dark", {{"config.xml", "x"}}, false);
    install("Blue", {{"config.xml", "x"}}, false);
    test::writeFile(folders.themesFolder + "/notes.txt", "x");
    test::writeFile(folders.themesFolder + "/upper.TABUTHEME", "x");
    QDir().mkpath(folders.themesFolder + "/folder.tabutheme");
    EXPECT_EQ(listThemes(folders), QStringList({"dark", "zeta", "Blue", "default"}));
}

TEST_F(ThemeLoad, pathLookupNeverLeavesTheThemesFolders)
{
    install("dark", {{"config.xml", "x"}});
    test::writePackage(root.filePath("user/outside.tabutheme"), {{"config.xml", "x"}});
    EXPECT_EQ(themePath(folders, "dark"), folders.themesFolder + "/dark.tabutheme");
    for (const QString &name : {QStringLiteral("../outside"), QStringLiteral(".."), QStringLiteral("a\\b"), QString(),
                                QStringLiteral("missing")})
        EXPECT_TRUE(themePath(folders, name).isEmpty()) << name.toStdString();
}

} // namespace
} // namespace tabulet::theme
