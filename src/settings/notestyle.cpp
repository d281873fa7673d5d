#include "settings/notestyle.h"

#include "settings/note.h"
#include "settings/presetlist.h"
#include "settings/settings.h"
#include "settings/textnumber.h"

namespace tabulet::settings {

namespace {

const Preset *presetOf(const Note &note, const PresetList &presets)
{
    return note.usePreset ? presets.presetForName(note.preset) : nullptr;
}

} // namespace

Colour effectiveBackground(const Note &note, const PresetList &presets, const Settings &settings)
{
    if (note.hasBackground)
        return note.background;
    if (const Preset *preset = presetOf(note, presets); preset && preset->hasBackground)
        return preset->background;
    return parseColourValue(settings.value(QStringLiteral("bgcolor")));
}

FontRecord effectiveFont(const Note &note, const PresetList &presets, const Settings &settings)
{
    if (note.hasFont)
        return note.font;
    if (const Preset *preset = presetOf(note, presets); preset && preset->hasFont)
        return preset->font;
    FontRecord font;
    font.face = settings.value(QStringLiteral("defaultfont"));
    font.size = leadingNumber(settings.value(QStringLiteral("defaultfontsize")));
    font.bold = settings.flag(QStringLiteral("defaultfontbold"));
    font.italic = settings.flag(QStringLiteral("defaultfontitalics"));
    return font;
}

int effectiveTitleColour(const Note &note, const PresetList &presets)
{
    if (note.hasTitleColour)
        return static_cast<int>(note.titleColour);
    if (const Preset *preset = presetOf(note, presets); preset && preset->hasTabColour)
        return static_cast<int>(preset->tabColour);
    return -1;
}

Colour effectiveTextColour(const Note &note, const PresetList &presets, const Settings &settings)
{
    if (note.hasTextColour)
        return note.textColour;
    if (const Preset *preset = presetOf(note, presets); preset && preset->hasTextColour)
        return preset->textColour;
    return isDarkBackground(effectiveBackground(note, presets, settings)) ? colourFromRgb(0xe8, 0xea, 0xed) : 0;
}

bool isDarkBackground(Colour background)
{
    // Perceived brightness (ITU-R BT.601 weights) below the middle.
    const int brightness = (299 * redOf(background) + 587 * greenOf(background) + 114 * blueOf(background)) / 1000;
    return brightness < 128;
}

} // namespace tabulet::settings
