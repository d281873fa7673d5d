#include "ui/editor/editingautoformat.h"

#include "ui/editor/textformats.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

#include <array>
#include <optional>

namespace tabulet::ui {

namespace {

struct ListMarker
{
    const char *text;
    rtf::Numbering numbering;
};

constexpr std::array kListMarkers{
    ListMarker{". ", rtf::Numbering::Bullet},       ListMarker{"- ", rtf::Numbering::Bullet},
    ListMarker{"* ", rtf::Numbering::Bullet},       ListMarker{"1. ", rtf::Numbering::Arabic},
    ListMarker{"a. ", rtf::Numbering::LowerLetter}, ListMarker{"A. ", rtf::Numbering::UpperLetter},
    ListMarker{"i. ", rtf::Numbering::LowerRoman},  ListMarker{"I. ", rtf::Numbering::UpperRoman},
};

constexpr int kLongestMarker = 3;

std::optional<rtf::Numbering> numberingOfMarker(const QString &text)
{
    for (const ListMarker &marker : kListMarkers) {
        if (text == QLatin1String(marker.text))
            return marker.numbering;
    }
    return std::nullopt;
}

// Whether none of the paragraphs the selection touches has numbering.
bool noneNumbered(const QTextEdit &editor)
{
    const QTextCursor cursor = editor.textCursor();
    const QTextDocument &document = *editor.document();
    const QTextBlock last = document.findBlock(cursor.selectionEnd());
    for (QTextBlock block = document.findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        if (block.textList())
            return false;
        if (block == last)
            break;
    }
    return true;
}

} // namespace

AutoFormatter::AutoFormatter(QTextEdit &editor, std::function<bool()> enabled, QObject *parent)
    : QObject(parent), m_editor(editor), m_enabled(std::move(enabled))
{
    connect(&m_editor, &QTextEdit::cursorPositionChanged, this, &AutoFormatter::caretMoved);
}

void AutoFormatter::caretMoved()
{
    // An undo takes steps off the history: what it brought back is left as it is.
    const int steps = m_editor.document()->availableUndoSteps();
    const bool undone = steps < m_undoSteps;
    m_undoSteps = steps;
    if (m_formatting || m_paused > 0 || undone || !m_enabled())
        return;
    if (formatAtCaret())
        m_undoSteps = m_editor.document()->availableUndoSteps();
}

bool AutoFormatter::formatAtCaret()
{
    if (m_formatting)
        return false;
    m_formatting = true;
    const QTextCursor selection = m_editor.textCursor();
    const int end = selection.selectionEnd();
    const QTextDocument &document = *m_editor.document();
    const QTextBlock line = document.findBlock(end);
    // Only the last two characters or a short line start matter: a long paragraph is not copied
    // on every key.
    const int offset = end - line.position();
    const QString before = offset <= kLongestMarker ? line.text().left(offset) : QString();
    bool changed = false;
    if (offset >= 2 && document.characterAt(end - 2) == QLatin1Char('+') &&
        document.characterAt(end - 1) == QLatin1Char('-')) {
        QTextCursor sign(m_editor.document());
        sign.setPosition(end - 2);
        sign.setPosition(end, QTextCursor::KeepAnchor);
        sign.insertText(QStringLiteral("\u00b1"));
        changed = true;
    } else if (const auto numbering = numberingOfMarker(before); numbering && noneNumbered(m_editor)) {
        rtf::ParagraphFormat wanted;
        wanted.numbering = *numbering;
        wanted.numberingStart = 1;
        QTextCursor marker(m_editor.document());
        marker.beginEditBlock();
        marker.setPosition(line.position());
        marker.createList(toListFormat(wanted));
        marker.setPosition(end, QTextCursor::KeepAnchor);
        marker.removeSelectedText();
        marker.endEditBlock();
        changed = true;
    }
    m_formatting = false;
    return changed;
}

} // namespace tabulet::ui
