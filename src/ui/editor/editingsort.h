#pragma once

class QTextEdit;

namespace tabulet::ui {

enum class SortOrder { Ascending, Descending };

// Sorts the lines (paragraphs) that the selection touches, a line whose first position ends the
// selection included, by their text's bytes (capitals before small letters). Each line keeps its
// character formats, each paragraph its place and paragraph format. One undoable step; the sorted
// lines are selected. Nothing happens without a selection or within one line; false then.
bool sortLines(QTextEdit &editor, SortOrder order);

} // namespace tabulet::ui
