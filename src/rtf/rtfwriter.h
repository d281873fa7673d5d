#pragma once

#include "rtf/richtextdocument.h"

#include <QByteArray>

namespace tabulet::rtf {

// Writes the document as RTF in the dialect of the Windows rich-edit control (ASCII only;
// characters outside Windows-1252 as \uN?).
QByteArray writeRtf(const RichTextDocument &document);

} // namespace tabulet::rtf
