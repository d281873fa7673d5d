#pragma once

#include <QString>
#include <QTextCursor>
#include <QTextEdit>

namespace tabulet::ui {

// Selects from start to end (the caret ends at end).
inline void selectRange(QTextEdit &editor, int start, int end)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

// Shows plain text with a selection in it.
inline void showText(QTextEdit &editor, const QString &text, int selectionStart, int selectionEnd)
{
    editor.setPlainText(text);
    selectRange(editor, selectionStart, selectionEnd);
}

} // namespace tabulet::ui
