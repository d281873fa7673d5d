#pragma once

#include "rtf/richtextdocument.h"

#include <QStringView>

namespace tabulet::rtf {

// The most characters in a row the text holds without white space a line could break at
// (spaces, tabs, line and paragraph breaks; not the no-break spaces).
qsizetype longestUnbrokenRun(QStringView text);

// The same for the document's plain text, without building it: pictures join their neighbours,
// paragraph breaks break.
qsizetype longestUnbrokenRun(const RichTextDocument &document);

} // namespace tabulet::rtf
