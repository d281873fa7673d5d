#pragma once

#include "rtf/richtextdocument.h"

class QTextCursor;
class QTextDocument;

// Moves notes between the rich-text model and the editor's QTextDocument. Both count positions
// alike: one character per character of text, per picture and per paragraph break, so a
// position in the model is the same position in the document.
namespace tabulet::ui {

// Replaces the document's content, resources and undo history with the rich text.
void setRichText(QTextDocument &document, const rtf::RichTextDocument &richText);

// Inserts the rich text at the cursor, replacing its selection, as one undoable step. The first
// paragraph's text joins the cursor's paragraph, which keeps its format; every further paragraph
// brings its own. Consecutive paragraphs of the same numbering share one list.
void insertRichText(QTextCursor &cursor, const rtf::RichTextDocument &richText);

// The document's whole content. Where the document leaves a character's size, weight or slant
// unset, its default font decides.
rtf::RichTextDocument richText(const QTextDocument &document);

// The document written as a note file, without building the model: as its model would be written
// with the default font's face named for text that has none of its own, so that other programs
// show the note as it looked here.
QByteArray documentRtf(const QTextDocument &document);

} // namespace tabulet::ui
