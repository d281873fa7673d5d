#pragma once

#include "settings/colour.h"
#include "settings/fontrecord.h"

#include <QByteArray>
#include <QString>

namespace tinyxml2 {
class XMLElement;
}

// Reading and writing the small value shapes the configuration document repeats.
namespace tabulet::settings::xml {

// The attribute as text (UTF-8), empty when absent. The control pictures U+2401 to U+241F
// (those of tab, line feed and carriage return aside) come back as the control characters
// `wellFormed` wrote them for.
QString text(const tinyxml2::XMLElement &element, const char *name);

// A printed document made readable by every XML 1.0 parser: the control characters XML forbids
// become their control pictures (U+2400 plus the code), a carriage return the reference "&#13;"
// (which no parser turns into a line feed), and the non-characters U+FFFE and U+FFFF the
// replacement character.
QByteArray wellFormed(const QByteArray &printed);
// The attribute as an integer; absent or not a number gives 0.
int number(const tinyxml2::XMLElement &element, const char *name);
bool has(const tinyxml2::XMLElement &element, const char *name);

// "r", "g", "b" attributes, each 0-255.
Colour readColour(const tinyxml2::XMLElement &element);
// Reads the named child's colour into `colour` when the child exists; returns whether it does.
bool readColourChild(const tinyxml2::XMLElement &parent, const char *name, Colour &colour);
void appendColour(tinyxml2::XMLElement &parent, const char *name, Colour colour);

// "face", "size", "bold", "italics"; absent attributes keep the record's defaults.
FontRecord readFont(const tinyxml2::XMLElement &element);
void appendFont(tinyxml2::XMLElement &parent, const FontRecord &font);

} // namespace tabulet::settings::xml
