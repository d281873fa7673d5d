#include "theme/themesmenu.h"

#include <algorithm>

namespace tabulet::theme {

namespace {

void addEntries(std::vector<ThemesMenuItem> &items, ThemesMenuItem::Kind kind, const QStringList &names,
                const QString &current, int firstId)
{
    const int count = std::min<int>(static_cast<int>(names.size()), kMaxMenuEntries);
    for (int i = 0; i < count; ++i)
        items.push_back({kind, names.at(i), firstId + i, names.at(i) == current});
}

} // namespace

std::vector<ThemesMenuItem> themesMenuItems(const QStringList &themes, const QString &currentTheme,
                                            const QStringList &subthemes, const QString &currentSubtheme)
{
    std::vector<ThemesMenuItem> items;
    addEntries(items, ThemesMenuItem::Kind::Theme, themes, currentTheme, kFirstThemeId);
    items.push_back({});
    addEntries(items, ThemesMenuItem::Kind::Subtheme, subthemes, currentSubtheme, kFirstSubthemeId);
    items.push_back({});
    items.push_back({ThemesMenuItem::Kind::MoreThemes, QStringLiteral("GETMORETHEMES"), kMoreThemesId, false});
    return items;
}

ThemeMenuChoice themeMenuChoice(int id, const QStringList &themes, const QStringList &subthemes)
{
    if (id >= kFirstThemeId && id < kFirstSubthemeId) {
        const int index = id - kFirstThemeId;
        if (index < themes.size())
            return {ThemeMenuChoice::Kind::Theme, themes.at(index)};
        return {};
    }
    if (id >= kFirstSubthemeId && id < kMoreThemesId) {
        const int index = id - kFirstSubthemeId;
        if (index < subthemes.size())
            return {ThemeMenuChoice::Kind::Subtheme, subthemes.at(index)};
        return {};
    }
    if (id == kMoreThemesId)
        return {ThemeMenuChoice::Kind::MoreThemes, {}};
    return {};
}

} // namespace tabulet::theme
