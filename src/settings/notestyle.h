#pragma once

#include "settings/colour.h"
#include "settings/fontrecord.h"

namespace tabulet::settings {

struct Note;
class PresetList;
class Settings;

// The styles a note is shown with: its own where set, else its preset's (when it uses one and
// the preset sets that style; a preset name not in the list means the first preset), else the
// options' or the plain default.
Colour effectiveBackground(const Note &note, const PresetList &presets, const Settings &settings);
FontRecord effectiveFont(const Note &note, const PresetList &presets, const Settings &settings);
// -1 when neither the note nor its preset sets one: the tab strip's own colour applies.
int effectiveTitleColour(const Note &note, const PresetList &presets);
// The note's or its preset's text colour; without one, black on a light background and a light
// grey on a dark one.
Colour effectiveTextColour(const Note &note, const PresetList &presets, const Settings &settings);

// Whether text on this background wants a light colour to be read.
bool isDarkBackground(Colour background);

} // namespace tabulet::settings
