#pragma once

#include "printers.h"
#include "rtf/richtextdocument.h"

#include <QByteArray>

#include <random>
#include <vector>

// Helpers shared by the RTF tests.
namespace tabulet::rtf::test {

// The content of a new note, as the note store writes it.
inline const QByteArray kNewNote = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fprq12\\fcharset0 Arial;}}"
                                   "\\viewkind4\\uc1\\pard\\lang3079\\f0\\fs18\\par}";

// A document around an RTF body: fonts 0 Arial and 1 Courier New, colours 1 red and 2 blue.
QByteArray body(const QByteArray &rtfBody);

// The first run whose text is exactly utf8, or null.
const Run *runWithText(const RichTextDocument &document, const QByteArray &utf8);

// Each paragraph's text, pictures left out.
std::vector<QByteArray> paragraphTexts(const RichTextDocument &document);

// Image file headers that carry a pixel size (enough for the reader, not for a decoder).
QByteArray pngBytes(int width, int height);
QByteArray jpegBytes(int width, int height);

// A file of tests/rtf/data.
QByteArray dataFile(const char *name);

// A random document the model can hold, made from the generator.
RichTextDocument randomDocument(std::mt19937 &generator);

} // namespace tabulet::rtf::test
