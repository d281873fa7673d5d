#pragma once

#include "settings/colour.h"
#include "settings/fontrecord.h"

#include <QString>

namespace tabulet::settings {

// A named note style; each part applies only when its flag is set.
struct Preset
{
    QString name; // compared exactly, case included
    bool hasFont = false;
    FontRecord font;
    bool hasBackground = false;
    Colour background = 0;
    bool hasTabColour = false;
    Colour tabColour = 0;
    bool hasTextColour = false;
    Colour textColour = 0;
};

} // namespace tabulet::settings
