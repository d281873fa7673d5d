#pragma once

#include "theme/layout.h"
#include "theme/subtheme.h"
#include "theme/themeconfig.h"
#include "theme/themepackage.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace tabulet::commands {
class CommandTable;
}
namespace tabulet::settings {
class Settings;
struct FolderSet;
} // namespace tabulet::settings

namespace tabulet::theme {

// What a load or a subtheme choice produced. Problems are messages for the user (caption
// "ERROR"), e.g. "Theme has no title!", "could not laod theme: dark", "a.bmp: unable to open file".
struct LoadResult
{
    bool ok = false;
    QStringList problems;
};

// The loaded theme package with its subthemes, one of which is current, and the layout of the
// current one for the last window size.
class Theme final
{
public:
    // Loads the installed theme of that name (per-user themes folder first) and makes it
    // current: the subtheme named by Settings "subtheme" when there is one, else the first
    // title, which is then stored. Settings "theme" := name, also when the load fails; on
    // failure the theme keeps whatever subthemes were read.
    LoadResult loadTheme(const QString &name, const settings::FolderSet &folders, settings::Settings &settings,
                         const commands::CommandTable &commandTable);
    // The same for a package file at a known path.
    LoadResult loadThemeFile(const QString &path, const QString &name, settings::Settings &settings,
                             const commands::CommandTable &commandTable);
    // Makes another subtheme of this package current and stores its title in Settings
    // "subtheme"; reads its pictures afresh. False (and nothing changed) for an unknown title.
    LoadResult selectSubtheme(const QString &title, settings::Settings &settings);
    // Drops the pictures read for every subtheme.
    void releaseTheme();

    const QString &name() const { return m_name; }
    const QString &path() const { return m_path; }
    const QString &currentTitle() const { return m_currentTitle; }
    // Subtheme titles in title order.
    QStringList listSubthemes() const;
    const SubthemeMap &subthemes() const { return m_subthemes; }
    // The current subtheme; nullptr while nothing is loaded. The drawing code may set picture
    // sizes through the mutable form.
    const Subtheme *current() const;
    Subtheme *current();

    // Queries on the current subtheme, with neutral answers while nothing is loaded.
    // The current subtheme's smallest window, no larger than the screen's available size.
    QSize minimumSize(const QSize &screen) const;
    std::optional<settings::Colour> tabBackground() const;
    bool transparency() const;
    settings::Colour chromaKey() const;
    ThemeTabFont tabFont() const;

    // Lays the current subtheme out for the window rectangle in client coordinates and keeps
    // the result for findRect and paintTheme.
    const ThemeLayout &layoutTheme(const Rect &window);
    const ThemeLayout &lastLayout() const { return m_layout; }
    std::optional<Rect> findRect(const QString &name) const;
    std::optional<Rect> findRect(const QString &name, const Rect &reference) const;
    std::vector<PaintStep> paintTheme(std::optional<Rect> area = {}) const;
    std::vector<PaintStep> paintCombined(const QString &name, const Rect &area) const;

private:
    void readPictures(Subtheme &subtheme, QStringList &problems);
    void readPicture(ThemeBitmap &bitmap, QStringList &problems);
    std::optional<QByteArray> readBmp(const QByteArray &member, QString *error);

    QString m_name;
    QString m_path;
    QString m_currentTitle;
    SubthemeMap m_subthemes;
    ThemePackage m_package;
    ThemeLayout m_layout;
};

} // namespace tabulet::theme
