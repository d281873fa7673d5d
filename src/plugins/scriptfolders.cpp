#include "plugins/scriptfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace tabulet::plugins {

namespace {

// Deeper trees than this are not searched: no sensible plug-in folder has them.
constexpr int kDeepest = 32;

void listFolder(const QString &folder, int depth, QSet<QString> &seen, QStringList &scripts)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (depth > kDeepest || canonicalFolder.isEmpty() || seen.contains(canonicalFolder))
        return;
    seen.insert(canonicalFolder);
    const QDir dir(folder);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.lua")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString canonical = file.canonicalFilePath();
        if (seen.contains(canonical))
            continue;
        seen.insert(canonical);
        scripts << file.filePath();
    }
    const QFileInfoList folders = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo &sub : folders)
        listFolder(sub.filePath(), depth + 1, seen, scripts);
}

} // namespace

QStringList listScripts(const QStringList &folders)
{
    QSet<QString> seen;
    QStringList scripts;
    for (const QString &folder : folders)
        listFolder(QDir::cleanPath(folder), 0, seen, scripts);
    return scripts;
}

} // namespace tabulet::plugins
