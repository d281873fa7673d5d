#pragma once

#include "rtf/richtextdocument.h"

#include <optional>
#include <vector>

class QTextEdit;

namespace tabulet::ui {

// The character formats of the fragments the selection touches; the caret's format, alone, when
// nothing is selected.
std::vector<rtf::CharacterFormat> selectedFragmentFormats(const QTextEdit &editor);

// The character attributes the format commands switch on and off.
enum class CharacterToggle { Bold, Italic, Underline, StrikeOut, Superscript, Subscript, AllCapitals, SmallCapitals };

// Switches an attribute over the selection: on, unless it is on over all of it. With an empty
// selection the caret's format changes, which typing then uses. Only that attribute is written.
void toggleCharacter(QTextEdit &editor, CharacterToggle toggle);

// Bullets or numbering (numbers from 1) for the selected paragraphs, or none when all of them
// already have it; the paragraphs' indent goes back to 0 either way.
void toggleNumbering(QTextEdit &editor, rtf::Numbering numbering);

// The selected paragraphs' alignment, nothing else of their format.
void alignParagraphs(QTextEdit &editor, rtf::Alignment alignment);

// What the selection shows, each only where it is the same over the whole selection (the
// format buttons show it).
struct SelectionFormat
{
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> strikeOut;
    std::optional<rtf::Numbering> numbering;
    std::optional<rtf::Alignment> alignment;
};

SelectionFormat selectionFormat(const QTextEdit &editor);

} // namespace tabulet::ui
