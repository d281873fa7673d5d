#include "theme/themelist.h"

#include "settings/folderset.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tabulet::theme {

namespace {

QStringList themeFolders(const settings::FolderSet &folders)
{
    QStringList result;
    if (!folders.themesFolder.isEmpty())
        result << folders.themesFolder;
    if (!folders.programFolder.isEmpty())
        result << folders.programThemesFolder();
    return result;
}

// A theme name is a file name without its extension: no folder part, nothing that climbs.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QChar(u'\0'));
}

} // namespace

QStringList listThemes(const settings::FolderSet &folders)
{
    QStringList names;
    for (const QString &folder : themeFolders(folders)) {
        QStringList files = QDir(folder).entryList({QStringLiteral("*") + kThemeExtension},
                                                   QDir::Files | QDir::CaseSensitive, QDir::NoSort);
        std::sort(files.begin(), files.end(),
                  [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
        for (const QString &file : files) {
            const QString name = file.chopped(kThemeExtension.size());
            if (!name.isEmpty() && !names.contains(name))
                names << name;
        }
    }
    return names;
}

QString themePath(const settings::FolderSet &folders, const QString &name)
{
    if (!isPlainName(name))
        return {};
    for (const QString &folder : themeFolders(folders)) {
        const QString path = settings::withSeparator(folder) + name + kThemeExtension;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace tabulet::theme
