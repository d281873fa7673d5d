#include "theme/subtheme.h"

namespace tabulet::theme {

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
