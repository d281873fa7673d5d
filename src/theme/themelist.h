#pragma once

#include <QString>
#include <QStringList>

namespace tabulet::settings {
struct FolderSet;
}

namespace tabulet::theme {

inline constexpr QLatin1StringView kThemeExtension{".tabutheme"};

// Names of the installed themes: the per-user themes folder, then the program's, each sorted,
// a name listed once.
QStringList listThemes(const settings::FolderSet &folders);

// The package file of an installed theme, per-user folder first; empty when there is none or
// the name is not a plain file name (a name never reaches outside the themes folders).
QString themePath(const settings::FolderSet &folders, const QString &name);

} // namespace tabulet::theme
