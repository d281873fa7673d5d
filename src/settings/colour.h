#pragma once

#include <QString>
#include <QStringView>

namespace tabulet::settings {

// A 24-bit colour 0xBBGGRR: red in the low byte, blue in the high byte.
using Colour = quint32;

// Reads an option's colour value: hexadecimal digits up to the first other character (leading
// blanks skipped), keeping the low 24 bits; an empty or unreadable text gives 0.
Colour parseColourValue(QStringView text);

// Lower-case hexadecimal without prefix and without leading zeros ("91f3f9", "ff", "0").
QString formatColourValue(Colour colour);

constexpr int redOf(Colour colour)
{
    return static_cast<int>(colour & 0xFFu);
}

constexpr int greenOf(Colour colour)
{
    return static_cast<int>((colour >> 8) & 0xFFu);
}

constexpr int blueOf(Colour colour)
{
    return static_cast<int>((colour >> 16) & 0xFFu);
}

// Combines channels given as numbers; each is clamped to 0-255 first, since files may hold
// anything there.
constexpr Colour colourFromRgb(int red, int green, int blue)
{
    const auto channel = [](int value) {
        return static_cast<Colour>(value < 0 ? 0 : (value > 255 ? 255 : value));
    };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}

} // namespace tabulet::settings
