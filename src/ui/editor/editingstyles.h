#pragma once

#include <QColor>
#include <QFont>

#include <array>

class QTextEdit;

namespace tabulet::ui {

// The sixteen custom colours both colour dialogs start with, in the dialog's order.
extern const std::array<QColor, 16> kInitialCustomColours;

// Gives the colour dialogs the initial custom colours. Once a run: what the user changes in
// them afterwards stays for the rest of the run.
void installCustomColours();

// The selected paragraphs lose indents, alignment, tab stops, numbering, spacing, borders and
// shading (their right indent stays); the selected text gets the editor's default character
// format (pictures stay pictures). With an empty selection the caret's format goes back too.
void clearStyles(QTextEdit &editor);

// The font the font dialog starts with: the selection's (the caret's) as it shows.
QFont selectionFont(const QTextEdit &editor);
// Face, size, weight, slant, underline and strike-out of the font for the selection (the caret).
void applyFont(QTextEdit &editor, const QFont &font);

void applyTextColour(QTextEdit &editor, const QColor &colour);
void applyFillColour(QTextEdit &editor, const QColor &colour);

} // namespace tabulet::ui
