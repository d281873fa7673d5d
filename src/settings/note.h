#pragma once

#include "settings/colour.h"
#include "settings/fontrecord.h"

#include <QString>

namespace tabulet::settings {

// One note: its record in the note list. The text lives in the file `fileName` of the data
// folder. Each own style has a flag saying whether it is set; an unset style comes from the
// note's preset or from the options (notestyle.h).
struct Note
{
    int serial = 0; // identity for this run; tabs carry it instead of a list index
    QString title;
    QString fileName; // plain file name, without folder
    bool visible = true;

    Colour textColour = 0; // not kept in the configuration file
    bool hasTextColour = false;
    Colour titleColour = 0;
    bool hasTitleColour = false;
    Colour background = 0;
    bool hasBackground = false;
    FontRecord font;
    bool hasFont = false;

    bool modified = false; // the text changed since it was last written
    int selection = 0;     // caret position when the note was last written

    bool usePreset = false;
    QString preset;

    bool operator==(const Note &) const = default;
};

} // namespace tabulet::settings
