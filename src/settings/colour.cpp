#include "settings/colour.h"

namespace tabulet::settings {

namespace {

int hexDigit(QChar character)
{
    const char16_t code = character.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    if (code >= u'a' && code <= u'f')
        return code - u'a' + 10;
    if (code >= u'A' && code <= u'F')
        return code - u'A' + 10;
    return -1;
}

} // namespace

Colour parseColourValue(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    Colour value = 0;
    for (; at < text.size(); ++at) {
        const int digit = hexDigit(text.at(at));
        if (digit < 0)
            break;
        // Keeping only 24 bits at every step gives the low 24 bits of the whole number.
        value = ((value << 4) | static_cast<Colour>(digit)) & 0xFFFFFFu;
    }
    return value;
}

QString formatColourValue(Colour colour)
{
    return QString::number(colour, 16);
}

} // namespace tabulet::settings
