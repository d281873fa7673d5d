#include "settings/xmlvalues.h"

#include <tinyxml2.h>

namespace tabulet::settings::xml {

namespace {

constexpr char16_t kControlPictures = 0x2400;

bool isAllowedControl(unsigned code)
{
    return code == '\t' || code == '\n' || code == '\r';
}

} // namespace

QString text(const tinyxml2::XMLElement &element, const char *name)
{
    QString value = QString::fromUtf8(element.Attribute(name));
    for (QChar &c : value) {
        const unsigned code = c.unicode() - kControlPictures;
        if (code >= 1 && code < 0x20 && !isAllowedControl(code))
            c = QChar(static_cast<char16_t>(code));
    }
    return value;
}

QByteArray wellFormed(const QByteArray &printed)
{
    QByteArray out;
    out.reserve(printed.size());
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const auto byte = static_cast<unsigned char>(printed[i]);
        if (byte == '\r') {
            out += "&#13;";
        } else if (byte < 0x20 && !isAllowedControl(byte)) {
            out += QString(QChar(static_cast<char16_t>(kControlPictures + byte))).toUtf8();
        } else if (byte == 0xEF && i + 2 < printed.size() && static_cast<unsigned char>(printed[i + 1]) == 0xBF &&
                   (static_cast<unsigned char>(printed[i + 2]) & 0xFE) == 0xBE) {
            out += "\xEF\xBF\xBD";
            i += 2;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

int number(const tinyxml2::XMLElement &element, const char *name)
{
    return element.IntAttribute(name, 0);
}

bool has(const tinyxml2::XMLElement &element, const char *name)
{
    return element.Attribute(name) != nullptr;
}

Colour readColour(const tinyxml2::XMLElement &element)
{
    return colourFromRgb(number(element, "r"), number(element, "g"), number(element, "b"));
}

bool readColourChild(const tinyxml2::XMLElement &parent, const char *name, Colour &colour)
{
    const tinyxml2::XMLElement *child = parent.FirstChildElement(name);
    if (child)
        colour = readColour(*child);
    return child != nullptr;
}

void appendColour(tinyxml2::XMLElement &parent, const char *name, Colour colour)
{
    tinyxml2::XMLElement *element = parent.InsertNewChildElement(name);
    element->SetAttribute("r", redOf(colour));
    element->SetAttribute("g", greenOf(colour));
    element->SetAttribute("b", blueOf(colour));
}

FontRecord readFont(const tinyxml2::XMLElement &element)
{
    FontRecord font;
    if (has(element, "face"))
        font.face = text(element, "face");
    if (has(element, "size"))
        font.size = number(element, "size");
    font.bold = number(element, "bold") > 0;
    font.italic = number(element, "italics") > 0;
    return font;
}

void appendFont(tinyxml2::XMLElement &parent, const FontRecord &font)
{
    tinyxml2::XMLElement *element = parent.InsertNewChildElement("font");
    element->SetAttribute("face", font.face.toUtf8().constData());
    element->SetAttribute("size", font.size);
    element->SetAttribute("bold", font.bold ? 1 : 0);
    element->SetAttribute("italics", font.italic ? 1 : 0);
}

} // namespace tabulet::settings::xml
