#include <settings/note.h>
#include <settings/notestyle.h>
#include <settings/presetlist.h>
#include <settings/settings.h>

#include <QStringList>

#include <tinyxml2.h>

#include <gtest/gtest.h>

namespace tabulet::settings {
namespace {

QStringList namesOf(const PresetList &presets)
{
    QStringList names;
    for (const Preset &preset : presets)
        names << preset.name;
    return names;
}

TEST(PresetList, startsWithTheSixBuiltIns)
{
    const PresetList presets;
    EXPECT_EQ(namesOf(presets),
              QStringList({"Standard", "Dark grey", "White on black", "Text editor", "Dawn", "Navy"}));
    const Preset &navy = presets[5];
    EXPECT_EQ(navy.font, (FontRecord{QStringLiteral("Times New Roman"), 10, false, false}));
    EXPECT_EQ(navy.textColour, colourFromRgb(0, 0, 128));
    EXPECT_EQ(navy.background, colourFromRgb(160, 173, 236));
    EXPECT_FALSE(navy.hasTabColour);
    EXPECT_EQ(navy.tabColour, colourFromRgb(160, 173, 236));
    EXPECT_EQ(presets[0].background, 0x91f3f9u);
    EXPECT_EQ(presets[3].font.face, QStringLiteral("Courier"));
}

TEST(PresetList, namesCompareWithCase)
{
    PresetList presets;
    EXPECT_EQ(presets.indexOfPreset(QStringLiteral("standard")), -1);
    Preset lower;
    lower.name = QStringLiteral("standard");
    EXPECT_EQ(presets.addPreset(lower), 6);
    EXPECT_EQ(presets.indexOfPreset(QStringLiteral("standard")), 6);
    EXPECT_TRUE(presets.removePreset(QStringLiteral("Standard")));
    EXPECT_FALSE(presets.removePreset(QStringLiteral("Standard")));
    EXPECT_EQ(presets.indexOfPreset(QStringLiteral("standard")), 5);
}

class PresetElements : public ::testing::Test
{
protected:
    tinyxml2::XMLElement &rootOf(const char *text)
    {
        EXPECT_EQ(document.Parse(text), tinyxml2::XML_SUCCESS);
        return *document.RootElement();
    }

    tinyxml2::XMLDocument document;
    PresetList presets;
};

TEST_F(PresetElements, withoutPresetsTheBuiltInsComeBack)
{
    presets.addPreset(Preset{});
    presets.readPresets(rootOf("<config/>"));
    EXPECT_EQ(presets.size(), 6);
    presets.readPresets(rootOf("<config><presets/></config>"));
    EXPECT_EQ(namesOf(presets).first(), QStringLiteral("Standard"));
}

TEST_F(PresetElements, storedPresetsReplaceTheBuiltIns)
{
    presets.readPresets(rootOf(R"(<config><presets><preset name="Mine">
        <font face="Verdana" size="x" bold="2" italics="0"/><tabcolor r="1" g="2" b="999"/>
        </preset></presets></config>)"));
    ASSERT_EQ(presets.size(), 1);
    const Preset &mine = presets[0];
    EXPECT_EQ(mine.name, QStringLiteral("Mine"));
    EXPECT_TRUE(mine.hasFont);
    EXPECT_EQ(mine.font, (FontRecord{QStringLiteral("Verdana"), 0, true, false}));
    EXPECT_TRUE(mine.hasTabColour);
    EXPECT_EQ(mine.tabColour, colourFromRgb(1, 2, 255));
    EXPECT_FALSE(mine.hasBackground);
    EXPECT_FALSE(mine.hasTextColour);
}

class EffectiveStyle : public ::testing::Test
{
protected:
    EffectiveStyle()
    {
        settings.applyDefaults();
        note.preset = QStringLiteral("Navy");
    }

    Settings settings;
    PresetList presets;
    Note note;
};

TEST_F(EffectiveStyle, withoutPresetTheOptionsApply)
{
    settings.value(QStringLiteral("defaultfontbold")) = QStringLiteral("1");
    EXPECT_EQ(effectiveBackground(note, presets, settings), 0x91f3f9u);
    EXPECT_EQ(effectiveFont(note, presets, settings), (FontRecord{QStringLiteral("Courier"), 10, true, false}));
    EXPECT_EQ(effectiveTitleColour(note, presets), -1);
    EXPECT_EQ(effectiveTextColour(note, presets, settings), 0u);
}

TEST_F(EffectiveStyle, thePresetFillsWhatTheNoteDoesNotSet)
{
    note.usePreset = true;
    note.hasBackground = true;
    note.background = 0x010203;
    EXPECT_EQ(effectiveBackground(note, presets, settings), 0x010203u);
    EXPECT_EQ(effectiveFont(note, presets, settings).face, QStringLiteral("Times New Roman"));
    EXPECT_EQ(effectiveTextColour(note, presets, settings), colourFromRgb(0, 0, 128));
    EXPECT_EQ(effectiveTitleColour(note, presets), -1);
}

// Without a text colour of their own, notes are written dark on light and light on dark
// backgrounds, whichever sets the background; a chosen text colour is kept on any.
TEST_F(EffectiveStyle, theDefaultTextColourContrastsWithTheBackground)
{
    const Colour light = colourFromRgb(0xe8, 0xea, 0xed);
    settings.value(QStringLiteral("bgcolor")) = QStringLiteral("3c3733");
    EXPECT_EQ(effectiveTextColour(note, presets, settings), light) << "a dark option";
    settings.value(QStringLiteral("bgcolor")) = QStringLiteral("808080");
    EXPECT_EQ(effectiveTextColour(note, presets, settings), 0u) << "middle grey";
    note.hasBackground = true;
    note.background = colourFromRgb(0, 0, 128);
    EXPECT_EQ(effectiveTextColour(note, presets, settings), light) << "the note's own navy";
    note.hasTextColour = true;
    note.textColour = colourFromRgb(0, 0, 64);
    EXPECT_EQ(effectiveTextColour(note, presets, settings), colourFromRgb(0, 0, 64)) << "chosen: kept";
}

TEST_F(EffectiveStyle, aMissingPresetNameMeansTheFirstPreset)
{
    note.usePreset = true;
    note.preset = QStringLiteral("Deleted long ago");
    EXPECT_EQ(effectiveBackground(note, presets, settings), presets[0].background);
    EXPECT_EQ(effectiveFont(note, presets, settings), presets[0].font);
}

TEST_F(EffectiveStyle, aPresetWithoutBackgroundLeavesTheOption)
{
    Preset plain;
    plain.name = QStringLiteral("Plain");
    plain.hasTabColour = true;
    plain.tabColour = 0x00ff00;
    presets.addPreset(plain);
    note.usePreset = true;
    note.preset = plain.name;
    settings.value(QStringLiteral("bgcolor")) = QStringLiteral("ff");
    EXPECT_EQ(effectiveBackground(note, presets, settings), 0x0000ffu);
    EXPECT_EQ(effectiveTitleColour(note, presets), 0x00ff00);
}

TEST_F(EffectiveStyle, anEmptyPresetListFallsBackToTheOptions)
{
    for (const QString &name : QStringList({"Standard", "Dark grey", "White on black", "Text editor", "Dawn", "Navy"}))
        presets.removePreset(name);
    note.usePreset = true;
    EXPECT_EQ(effectiveBackground(note, presets, settings), 0x91f3f9u);
    EXPECT_EQ(effectiveTextColour(note, presets, settings), 0u);
}

} // namespace
} // namespace tabulet::settings
