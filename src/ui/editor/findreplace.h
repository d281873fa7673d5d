#pragma once

#include <QString>

class QTextEdit;

namespace tabulet::ui {

// How a search runs; kept between searches as the bits downward 1, whole word 2, match case 4.
struct SearchOptions
{
    bool downward = true;
    bool wholeWord = false;
    bool matchCase = false;

    int flags() const;
    static SearchOptions fromFlags(int flags);
};

// What the note window remembers of the last search, also after its dialog closed.
struct SearchState
{
    QString findText;
    QString replaceText;
    int flags = 1;
};

enum class SearchResult {
    Found,        // selected between the selection and the end (or start) of the text
    FoundWrapped, // only found again from the other end of the text; selected
    NotFound,
};

// Looks for the text from the selection's end downward, or from its start upward, and selects
// the match; when there is none it starts again from the other end of the text. A match never
// spans the start point of an upward search. An empty text is never found.
SearchResult searchStep(QTextEdit &editor, const QString &findText, SearchOptions options);

// Replaces the selection when it is the text searched for (in case only when the case matters)
// and selects the replacement; anything else the user selected stays. True when replaced.
bool replaceSelection(QTextEdit &editor, const QString &findText, const QString &replaceText, SearchOptions options);

// Replaces every match once, from the start of the text downward (from its end upward), as one
// undoable step. Text that a replacement brings in is never searched again, so a replacement that
// contains the searched text ends too. Returns the number of replacements.
int replaceAll(QTextEdit &editor, const QString &findText, const QString &replaceText, SearchOptions options);

} // namespace tabulet::ui
