#pragma once

#include "rtf/richtextdocument.h"

#include <QByteArray>
#include <QString>

namespace tabulet::rtfconv {

// The text of a note: paragraphs and line breaks as "\n", tabs as "\t". Pictures and the
// bullets and numbers of lists are not part of it.
QString toPlainText(const rtf::RichTextDocument &document);
QByteArray toPlainTextUtf8(const rtf::RichTextDocument &document);

} // namespace tabulet::rtfconv
