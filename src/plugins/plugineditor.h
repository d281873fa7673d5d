#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace tabulet::plugins {

// A range of positions; (-1, -1) stands for "nothing found".
struct TextRange
{
    int start = 0;
    int end = 0;

    friend bool operator==(const TextRange &, const TextRange &) = default;
};

// Character attributes as plug-ins read and write them. Reading fills a field only when the
// attribute is the same over the whole range (colours also only when not automatic), except
// subscript and superscript, which are always filled. Writing changes only the fields that are
// set; setting either of subscript and superscript writes both (an unset one counts as off).
struct CharacterFormat
{
    std::optional<std::uint32_t> colour;     // 0xBBGGRR
    std::optional<std::uint32_t> background; // 0xBBGGRR
    std::optional<bool> allCaps;
    std::optional<bool> bold;
    std::optional<bool> italics;
    std::optional<bool> smallCaps;
    std::optional<bool> strikeout;
    std::optional<bool> underline;
    std::optional<bool> subscript;
    std::optional<bool> superscript;
    std::optional<QString> face;
    std::optional<int> offset; // vertical offset in twips
    std::optional<int> height; // character height in twips
    std::optional<int> weight; // 0 to 65535
};

// The editor of the note window as plug-ins see it. Positions count characters as the editor
// does: one per character, one per paragraph break and one per picture. Text crosses this
// interface with "\n" for each paragraph break; inserted text may also use "\r\n" or "\r".
// Ranges given by the host are passed on as the script gave them where the editor's own rules
// apply (select, replace, character formats); reading a range never changes the selection the
// user sees.
class PluginEditor
{
public:
    virtual ~PluginEditor() = default;

    virtual int textLength() const = 0;
    virtual int lineCount() const = 0;
    // Line of a position (wrapped paragraphs count as several lines).
    virtual int lineFromPosition(int position) const = 0;
    // First position of a line; -1 for a line outside 0 … lineCount() - 1.
    virtual int lineStart(int line) const = 0;

    virtual TextRange selection() const = 0;
    virtual void select(TextRange range) = 0;
    // Text of a range inside 0 … textLength().
    virtual QString text(TextRange range) const = 0;
    // Selects the range and replaces it; the caret ends after the new text. Not undoable.
    virtual void replace(TextRange range, const QString &text) = 0;

    // The first match at or after `from` (backward: the last match ending at or before it), or
    // (-1, -1).
    virtual TextRange find(const QString &text, int from, bool backward, bool wholeWord, bool matchCase) const = 0;

    virtual CharacterFormat characterFormat(TextRange range) const = 0;
    virtual void setCharacterFormat(TextRange range, const CharacterFormat &format) = 0;

    virtual void copy() = 0;
    virtual void cut() = 0;
    virtual void paste() = 0;
};

} // namespace tabulet::plugins
