#include "theme/subtheme.h"

#include <algorithm>

namespace tabulet::theme {

namespace {

// UTF-16 units in code point order, which is UTF-8 byte order: surrogates (U+D800-DFFF) stand
// for code points above U+FFFF, so they move above U+E000-FFFF.
char16_t inCodePointOrder(char16_t unit)
{
    if (unit >= 0xE000)
        return static_cast<char16_t>(unit - 0x800);
    if (unit >= 0xD800)
        return static_cast<char16_t>(unit + 0x2000);
    return unit;
}

} // namespace

bool ByteOrder::operator()(const QString &a, const QString &b) const
{
    return std::lexicographical_compare(a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](QChar x, QChar y) {
        return inCodePointOrder(x.unicode()) < inCodePointOrder(y.unicode());
    });
}

const ThemeBitmap *ThemeButton::state(const QString &name) const
{
    const auto found = states.find(name);
    return found == states.end() ? nullptr : &found->second;
}

bool ThemeButton::hasWindow() const
{
    return commandId != 0 && state(QStringLiteral("normal")) != nullptr;
}

QSize ThemeButton::size() const
{
    const ThemeBitmap *normal = state(QStringLiteral("normal"));
    if (!normal || !normal->picture || !normal->picture->size.isValid())
        return {0, 0};
    return normal->picture->size;
}

const ThemeRect *Subtheme::rect(const QString &name) const
{
    const auto found = rects.find(name);
    return found == rects.end() ? nullptr : &found->second;
}

const CombinedBitmap *Subtheme::combinedBitmap(const QString &name) const
{
    const auto found = combinedBitmaps.find(name);
    return found == combinedBitmaps.end() ? nullptr : &found->second;
}

} // namespace tabulet::theme
