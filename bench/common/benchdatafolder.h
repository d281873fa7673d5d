#pragma once

#include "settings/folderset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tabulet::bench {

// A temporary data folder for the note window, its themes taken from the build folder.
struct BenchDataFolder
{
    explicit BenchDataFolder(const QString &buildFolder)
    {
        folders.dataFolder = data.path();
        folders.programFolder = buildFolder;
        folders.themesFolder = data.filePath(QStringLiteral("themes"));
        folders.languagesFolder = data.filePath(QStringLiteral("languages"));
        folders.pluginConfigFolder = data.filePath(QStringLiteral("pluginCFG"));
        folders.tempFolder = QDir::tempPath() + QLatin1Char('/');
    }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(data.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir data;
    settings::FolderSet folders;
};

} // namespace tabulet::bench
