#pragma once

#include "settings/folderset.h"

#include <QDir>
#include <QTemporaryDir>

namespace tabulet::ui {

// The folders of a note window under test: data, themes and languages inside `work`, the
// program's own folder (help page, shipped themes) where the build puts them.
inline settings::FolderSet foldersIn(const QTemporaryDir &work)
{
    settings::FolderSet folders;
    folders.dataFolder = work.filePath(QStringLiteral("data"));
    folders.programFolder = QStringLiteral(TABULET_BINARY_DIR);
    folders.themesFolder = work.filePath(QStringLiteral("themes"));
    folders.languagesFolder = work.filePath(QStringLiteral("languages"));
    folders.tempFolder = QDir::tempPath() + QLatin1Char('/');
    QDir().mkpath(folders.dataFolder);
    return folders;
}

} // namespace tabulet::ui
