#include "ui/editor/findreplace.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace tabulet::ui {

namespace {

constexpr int kDownward = 1;
constexpr int kWholeWord = 2;
constexpr int kMatchCase = 4;

QTextDocument::FindFlags findFlags(SearchOptions options)
{
    QTextDocument::FindFlags flags;
    if (!options.downward)
        flags |= QTextDocument::FindBackward;
    if (options.wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (options.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    return flags;
}

// The match nearest to `from` in the search's direction: downward one starting at or after it,
// upward one ending at or before it.
QTextCursor findFrom(const QTextDocument &document, const QString &text, int from, SearchOptions options)
{
    QTextCursor start(const_cast<QTextDocument *>(&document));
    start.setPosition(from);
    QTextCursor found = document.find(text, start, findFlags(options));
    // Backward search also finds a match that starts before the point and runs over it.
    while (!options.downward && !found.isNull() && found.selectionEnd() > from)
        found = document.find(text, found, findFlags(options));
    return found;
}

int documentEnd(const QTextDocument &document)
{
    return document.characterCount() - 1;
}

// The search step on a cursor of the document: moves it onto the match.
SearchResult searchFrom(const QTextDocument &document, QTextCursor &selection, const QString &findText,
                        SearchOptions options)
{
    if (findText.isEmpty())
        return SearchResult::NotFound;
    const int from = options.downward ? selection.selectionEnd() : selection.selectionStart();
    SearchResult result = SearchResult::Found;
    QTextCursor found = findFrom(document, findText, from, options);
    if (found.isNull()) {
        result = SearchResult::FoundWrapped;
        found = findFrom(document, findText, options.downward ? 0 : documentEnd(document), options);
    }
    if (found.isNull())
        return SearchResult::NotFound;
    selection = found;
    return result;
}

bool replaceIn(QTextCursor &selection, const QString &findText, const QString &replaceText, SearchOptions options)
{
    if (findText.isEmpty() || !selection.hasSelection())
        return false;
    const Qt::CaseSensitivity sensitivity = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (selection.selectedText().compare(findText, sensitivity) != 0)
        return false;
    const int start = selection.selectionStart();
    selection.insertText(replaceText);
    selection.setPosition(start);
    selection.setPosition(start + int(replaceText.size()), QTextCursor::KeepAnchor);
    return true;
}

} // namespace

int SearchOptions::flags() const
{
    return (downward ? kDownward : 0) | (wholeWord ? kWholeWord : 0) | (matchCase ? kMatchCase : 0);
}

SearchOptions SearchOptions::fromFlags(int flags)
{
    return {(flags & kDownward) != 0, (flags & kWholeWord) != 0, (flags & kMatchCase) != 0};
}

SearchResult searchStep(QTextEdit &editor, const QString &findText, SearchOptions options)
{
    QTextCursor selection = editor.textCursor();
    const SearchResult result = searchFrom(*editor.document(), selection, findText, options);
    if (result != SearchResult::NotFound)
        editor.setTextCursor(selection);
    return result;
}

bool replaceSelection(QTextEdit &editor, const QString &findText, const QString &replaceText, SearchOptions options)
{
    QTextCursor selection = editor.textCursor();
    if (!replaceIn(selection, findText, replaceText, options))
        return false;
    editor.setTextCursor(selection);
    return true;
}

int replaceAll(QTextEdit &editor, const QString &findText, const QString &replaceText, SearchOptions options)
{
    const QTextDocument &document = *editor.document();
    QTextCursor selection(editor.document());
    selection.setPosition(options.downward ? 0 : documentEnd(document));
    if (searchFrom(document, selection, findText, options) == SearchResult::NotFound)
        return 0;
    int count = 0;
    QTextCursor lastReplaced;
    selection.beginEditBlock();
    // The first match is the one nearest to where replace all began; a later search that has to
    // wrap round has passed that point again.
    do {
        if (replaceIn(selection, findText, replaceText, options)) {
            ++count;
            lastReplaced = selection;
        }
    } while (searchFrom(document, selection, findText, options) == SearchResult::Found);
    selection.endEditBlock();
    if (!lastReplaced.isNull())
        editor.setTextCursor(lastReplaced);
    return count;
}

} // namespace tabulet::ui
