#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tabulet::theme {

// Command ids of the themes submenu.
inline constexpr int kFirstThemeId = 3700;
inline constexpr int kFirstSubthemeId = 3800;
inline constexpr int kMoreThemesId = 3900;
// Each range holds 100 ids; items past that are left out so that ids never run into the next range.
inline constexpr int kMaxMenuEntries = 100;

struct ThemesMenuItem
{
    enum class Kind { Theme, Subtheme, Separator, MoreThemes };

    Kind kind = Kind::Separator;
    QString text; // theme name or subtheme title; for MoreThemes the text key "GETMORETHEMES"
    int id = 0;   // 0 for separators
    bool checked = false;
};

// The submenu's items: the themes (ids from 3700, the current one checked), a separator, the
// subthemes (ids from 3800, the current one checked), a separator, and "more themes" (3900).
std::vector<ThemesMenuItem> themesMenuItems(const QStringList &themes, const QString &currentTheme,
                                            const QStringList &subthemes, const QString &currentSubtheme);

struct ThemeMenuChoice
{
    enum class Kind { None, Theme, Subtheme, MoreThemes };

    Kind kind = Kind::None;
    QString name; // theme name or subtheme title
};

// What a submenu id means against fresh lists; None for ids outside the ranges or past the
// lists' ends (the folder changed since the menu opened).
ThemeMenuChoice themeMenuChoice(int id, const QStringList &themes, const QStringList &subthemes);

} // namespace tabulet::theme
